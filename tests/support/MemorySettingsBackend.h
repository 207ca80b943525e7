#pragma once

#include "app/SettingsBackend.h"

#include <QMap>
#include <QString>

namespace testing_support {

// Keeps the stored names and values in memory, exactly as the store hands
// them over (scrambled), so tests can look at what would reach the disk.
class MemorySettingsBackend : public app::SettingsBackend {
public:
    QString Value(const QString& name) const override { return values.value(name); }

    bool SetValue(const QString& name, const QString& value) override
    {
        ++writes;
        values.insert(name, value);
        return true;
    }

    QMap<QString, QString> values;
    int writes = 0;
};

} // namespace testing_support
