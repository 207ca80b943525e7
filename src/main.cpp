// The process entry: builds the services every window shares, starts the
// program, and runs the event loop until QuitApplication ends it.

#include "app/Clock.h"
#include "app/MessageBoxPrompter.h"
#include "app/NativeSettingsBackend.h"
#include "app/QuitApplication.h"
#include "app/SettingsStore.h"
#include "app/SingleInstance.h"
#include "app/StartApplication.h"
#include "app/UpdateReminder.h"
#include "ui/Look.h"
#include "ui/exit/ExitScreen.h"
#include "ui/main/MainWindow.h"
#include "web/ShellLauncher.h"

#include <QApplication>
#include <QPointer>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Closing the main window only brings up the exit screen; the program ends
    // through QuitApplication alone.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::InstallFontSubstitutes();
    QApplication::setWindowIcon(ui::ApplicationIcon());

    app::SystemClock clock;
    app::MessageBoxPrompter prompter;
    web::ShellLauncher launcher;
    app::NativeSettingsBackend settingsBackend;
    app::SettingsStore settings(settingsBackend);
    // One reminder for both runs, start-up and the main window's load, so it
    // asks at most once.
    app::UpdateReminder reminder(settings, clock, prompter, launcher);
    const auto runReminder = [&reminder] { reminder.Run(); };

    app::QuitApplication quit([](int status) { QCoreApplication::exit(status); });
    const auto quitApplication = [&quit] { quit.Run(); };

    std::unique_ptr<ui::ExitScreen> exitScreen;
    const auto showExitScreen = [&] {
        if (quit.Begun())
            return; // on the way out nothing opens again
        if (!exitScreen)
            exitScreen = std::make_unique<ui::ExitScreen>(launcher, prompter, quitApplication);
        exitScreen->show();
    };

    QPointer<ui::MainWindow> mainWindow;
    const auto showMainWindow = [&] {
        mainWindow = new ui::MainWindow(
            ui::MainWindowServices { launcher, prompter, clock, runReminder, showExitScreen }, nullptr);
        // Once closed it is gone for good; the exit screen has taken over.
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        mainWindow->show();
    };

    // One lock per executable name, as there is one settings store per name.
    app::SingleInstance instance(app::SingleInstance::LockPathFor(settingsBackend.ApplicationName()));
    app::StartApplication(instance, prompter, runReminder, showMainWindow, quitApplication).Run();

    // A refused second copy has already quit, before the event loop could run.
    const int status = quit.Ended() ? 0 : application.exec();
    delete mainWindow.data(); // still there when the loop ended with it open
    return status;
}
