// The process entry: makes the application object and the real services, and
// runs the program with them until QuitApplication ends it.

#include "app/Clock.h"
#include "app/MessageBoxPrompter.h"
#include "app/NativeSettingsBackend.h"
#include "app/SingleInstance.h"
#include "program/RunProgram.h"
#include "ui/Look.h"
#include "web/ShellLauncher.h"

#include <QApplication>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

} // namespace
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // Under Wine, Qt's GDI font engine leaves out every capital I of the
    // fonts that Wine takes from the host system, while Qt's FreeType engine
    // draws them all; a real Windows keeps its own engine. An explicit
    // platform choice wins.
    const bool wine = RunningUnderWine();
    if (wine && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    QApplication application(argc, argv);
#ifdef Q_OS_WIN
    // The menu and message fonts that Wine reports are not among the faces
    // the FreeType engine finds there, and it falls back to a serif face:
    // menus, message boxes and the print preview's controls take the
    // windows' dialog face instead.
    if (wine) {
        const QFont dialogFace = ui::SansSerifFont(8.25);
        QApplication::setFont(dialogFace);
        for (const char* widgetClass : { "QMenu", "QMessageBox" })
            QApplication::setFont(dialogFace, widgetClass);
    }
#endif

    app::SystemClock clock;
    app::MessageBoxPrompter prompter;
    web::ShellLauncher launcher;
    // One settings store and one lock per executable name.
    const QString name = app::NativeSettingsBackend::ExecutableBaseName();
    return program::RunProgram(
        { clock, prompter, launcher, [name] { return std::make_unique<app::NativeSettingsBackend>(name); },
            app::SingleInstance::LockPathFor(name) });
}
