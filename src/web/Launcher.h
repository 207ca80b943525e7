#pragma once

// The one way an address leaves the program: handed to the system to open in
// the default browser. Nothing is reported back; callers never learn whether
// a page opened.

#include "web/PageAddress.h"

#include <cstdint>
#include <string>

namespace web {

// Native handle of the window that asks (a WId), or kNoOwner.
using OwnerWindow = std::uintptr_t;
inline constexpr OwnerWindow kNoOwner = 0;

class Launcher {
public:
    virtual ~Launcher() = default;

    // Hands a complete address (UTF-8) to the system. The result is ignored.
    virtual void OpenAddress(const std::string& address, OwnerWindow owner) = 0;

    // Opens PageAddress(key) with no owner window.
    void OpenWebPage(PageKey key) { OpenAddress(PageAddress(key), kNoOwner); }
};

} // namespace web
