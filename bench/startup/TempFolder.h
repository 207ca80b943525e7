#pragma once

// A fresh folder under the system's temporary folder (or a given parent),
// removed with all it holds when the object goes.

#include <filesystem>
#include <string>

namespace bench {

class TempFolder {
public:
    // Throws std::runtime_error when the folder cannot be made.
    explicit TempFolder(
        const std::string& prefix, const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempFolder();

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};

} // namespace bench
