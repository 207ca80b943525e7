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

#ifdef Q_OS_WIN
#include <windows.h>

namespace {

// Under Wine, Qt's GDI font engine leaves out every capital I of the fonts
// that Wine takes from the host system, while Qt's FreeType engine draws them
// all; a real Windows keeps its own engine. An explicit platform choice wins.
void PreferFreeTypeUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr)
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

} // namespace
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    PreferFreeTypeUnderWine();
#endif
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
