#pragma once

// Modal message boxes behind a small interface, so that every rule that asks
// or warns runs in a test without a display. Every box carries the
// application title; none has a title of its own.

#include <QString>

namespace app {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessagePrompter {
public:
    virtual ~MessagePrompter() = default;
    virtual MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons) = 0;
};

} // namespace app
