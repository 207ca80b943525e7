#include "TempFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace bench {

TempFolder::TempFolder(const std::string& prefix, const std::filesystem::path& parent)
{
    std::string pattern = (parent / (prefix + ".XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a folder like " + pattern + ": " + std::strerror(errno));
    path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

} // namespace bench
