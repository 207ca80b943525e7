#pragma once

#include "web/Launcher.h"

namespace web {

// Hands addresses to the desktop: ShellExecuteA on Windows, the desktop's URL
// opener (xdg-open and friends) elsewhere. Fire and forget.
class ShellLauncher final : public Launcher {
public:
    void OpenAddress(const std::string& address, OwnerWindow owner) override;
};

} // namespace web
