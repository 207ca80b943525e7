#pragma once

#include "web/Launcher.h"

#include <string>
#include <vector>

namespace testing_support {

// Keeps every address it is asked to open, in order, with its owner.
class RecordingLauncher final : public web::Launcher {
public:
    struct Opened {
        std::string address;
        web::OwnerWindow owner;
    };

    void OpenAddress(const std::string& address, web::OwnerWindow owner) override
    {
        opened.push_back({address, owner});
    }

    std::vector<std::string> Addresses() const
    {
        std::vector<std::string> result;
        for (const auto& o : opened)
            result.push_back(o.address);
        return result;
    }

    std::vector<Opened> opened;
};

} // namespace testing_support
