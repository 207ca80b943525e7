// The process entry: makes the application object and the real services, and
// runs the program with them until QuitApplication ends it.

#include "app/Clock.h"
#include "app/MessageBoxPrompter.h"
#include "app/NativeSettingsBackend.h"
#include "app/SingleInstance.h"
#include "program/RunProgram.h"
#include "web/ShellLauncher.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    app::SystemClock clock;
    app::MessageBoxPrompter prompter;
    web::ShellLauncher launcher;
    // One settings store and one lock per executable name.
    const QString name = app::NativeSettingsBackend::ExecutableBaseName();
    return program::RunProgram(
        { clock, prompter, launcher, [name] { return std::make_unique<app::NativeSettingsBackend>(name); },
            app::SingleInstance::LockPathFor(name) });
}
