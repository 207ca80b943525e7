#pragma once

// Per-user text settings of the program, kept in one section with both names
// and values scrambled (ScrambleText), so the plain names never appear in the
// store. A missing setting reads as the empty text.

#include "app/SettingsBackend.h"

#include <QString>

namespace app {

class SettingsStore {
public:
    explicit SettingsStore(SettingsBackend& backend)
        : backend(backend)
    { }

    QString ReadSetting(const QString& key) const;

    // False when the value could not be stored; never throws.
    bool WriteSetting(const QString& key, const QString& text);

private:
    SettingsBackend& backend;
};

} // namespace app
