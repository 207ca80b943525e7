#pragma once

// About every fifteen days, asks whether to look for a newer version on the
// web site. The date of the last question ("Duration") and a count
// ("Install") live in the settings store. Runs at start-up and again when the
// main window loads; the user sees at most one question per run of the
// program, even when the answer could not be stored.

#include "app/Clock.h"
#include "app/MessagePrompter.h"
#include "app/SettingsStore.h"
#include "web/Launcher.h"

#include <QLocale>
#include <QString>

namespace app {

class UpdateReminder {
public:
    // A stored date this many days away, or fewer, in either direction is
    // recent enough to stay quiet.
    static constexpr int kQuietDays = 14;

    UpdateReminder(SettingsStore& store, const Clock& clock, MessagePrompter& prompter, web::Launcher& launcher);

    void Run();

    // The text of the question, as the program has always worded it.
    static QString QuestionText();

    // The stored "Install" count as it is rewritten: read with the locale's
    // number format, rounded halves to even, made positive. A text that is
    // empty, not a number, or outside the 32-bit range (-2147483648 included,
    // whose magnitude has no 32-bit form either) counts as 1.
    static int InstallCount(const QString& text, const QLocale& locale = QLocale());

private:
    QString TodayText() const;

    SettingsStore& store;
    const Clock& clock;
    MessagePrompter& prompter;
    web::Launcher& launcher;
    bool asked = false;
};

} // namespace app
