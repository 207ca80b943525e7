#pragma once

// Where the settings store keeps its text values: one section of per-user
// name/value pairs. Names and values arrive already scrambled; a backend
// stores them as given.

#include <QString>

namespace app {

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // The value stored under name, or the empty text when there is none.
    virtual QString Value(const QString& name) const = 0;

    // Stores value under name, replacing any earlier one. False when the value
    // could not be made to last (read-only location, full disk).
    virtual bool SetValue(const QString& name, const QString& value) = 0;
};

} // namespace app
