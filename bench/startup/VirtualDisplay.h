#pragma once

// An Xvfb server for the start-up benchmark's runs on a real X server. It
// takes the first free display number itself and says which one once it
// accepts connections; it is stopped when the object goes.

#include "ChildProcess.h"

#include <chrono>
#include <string>

namespace bench {

class VirtualDisplay {
public:
    // Width x height x depth of the one screen.
    static constexpr const char* kScreen = "1280x1024x24";

    // Throws std::runtime_error when Xvfb cannot start or is not ready in time.
    VirtualDisplay(const std::string& logPath, std::chrono::seconds timeout);
    ~VirtualDisplay();

    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // The value for DISPLAY, such as ":1".
    const std::string& Name() const { return name; }

private:
    ChildProcess server;
    std::string name;
};

} // namespace bench
