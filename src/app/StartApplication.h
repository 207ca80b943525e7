#pragma once

// Start-up and the one way out.
//
// In: the executable's base name (which names the per-user lock), the message
// prompter, and what start-up runs in order: the update reminder and the main
// window. Out: either the running program, or, on a second start, one
// "Application is already running" box and the end of the process. The
// process ends only through QuitApplication, which closes every window still
// open first.

#include <QString>

#include <functional>

namespace app {

class MessagePrompter;
class SingleInstance;

// What runs once when the process starts: refuse a second copy, let the
// update reminder ask when a question is due, then show the main window.
class StartApplication {
public:
    StartApplication(SingleInstance& instance, MessagePrompter& prompter, std::function<void()> runReminder,
        std::function<void()> showMainWindow, std::function<void()> quit);

    void Run();

    static QString AlreadyRunningText() { return QStringLiteral("Application is already running"); }

private:
    SingleInstance& instance;
    MessagePrompter& prompter;
    std::function<void()> runReminder;
    std::function<void()> showMainWindow;
    std::function<void()> quit;
};

} // namespace app
