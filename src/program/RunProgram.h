#pragma once

// The whole program put together: the services every window shares, start-up,
// the windows and the closing sequence.
//
// In: the application object (already made by the caller), the clock, the
// message prompter, the launcher, the way to open the settings store and the
// single-instance lock's path. Out: the exit status, once the event loop ends
// through QuitApplication, or at once when another copy is running. main()
// passes the real services; the tests pass doubles.

#include <QString>

#include <functional>
#include <memory>

namespace app {
class Clock;
class MessagePrompter;
class SettingsBackend;
} // namespace app
namespace web {
class Launcher;
}

namespace program {

struct ProgramServices {
    app::Clock& clock;
    app::MessagePrompter& prompter;
    web::Launcher& launcher;
    // Called once this copy knows it is the only one: a refused second copy
    // never opens the store.
    std::function<std::unique_ptr<app::SettingsBackend>()> openSettings;
    QString lockPath;
};

// Runs the program in the existing QApplication and returns its exit status.
int RunProgram(const ProgramServices& services);

} // namespace program
