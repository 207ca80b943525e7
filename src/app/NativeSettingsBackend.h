#pragma once

#include "app/SettingsBackend.h"

namespace app {

// The platform's per-user settings, where the program has always kept them:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<executable>\Settings
// on Windows, $XDG_CONFIG_HOME/VB and VBA Program Settings/<executable>.conf,
// group [Settings], elsewhere.
class NativeSettingsBackend final : public SettingsBackend {
public:
    // The store of the running executable, named by its base name, so the same
    // program under another file name has a store of its own.
    NativeSettingsBackend();
    explicit NativeSettingsBackend(QString applicationName);

    QString Value(const QString& name) const override;
    bool SetValue(const QString& name, const QString& value) override;

    const QString& ApplicationName() const { return applicationName; }

    // The base name of the running executable (file name without extension).
    static QString ExecutableBaseName();

private:
    QString applicationName;
};

} // namespace app
