#pragma once

#include "MemorySettingsBackend.h"

namespace testing_support {

// Reads what it was seeded with; every write fails and changes nothing, like
// a store on a read-only disk.
class FailingSettingsBackend final : public MemorySettingsBackend {
public:
    bool SetValue(const QString& /*name*/, const QString& /*value*/) override
    {
        ++writes;
        return false;
    }
};

} // namespace testing_support
