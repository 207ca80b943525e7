#include "program/RunProgram.h"

#include "app/QuitApplication.h"
#include "app/SettingsBackend.h"
#include "app/SettingsStore.h"
#include "app/SingleInstance.h"
#include "app/StartApplication.h"
#include "app/UpdateReminder.h"
#include "ui/Look.h"
#include "ui/exit/ExitScreen.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QPointer>

#include <memory>
#include <utility>

namespace program {

namespace {

// The settings store and the reminder that keeps its dates there, made
// together on the reminder's first run.
struct Reminder {
    Reminder(std::unique_ptr<app::SettingsBackend> backend, const ProgramServices& services)
        : backend(std::move(backend))
        , settings(*this->backend)
        , reminder(settings, services.clock, services.prompter, services.launcher)
    { }

    std::unique_ptr<app::SettingsBackend> backend;
    app::SettingsStore settings;
    app::UpdateReminder reminder;
};

} // namespace

int RunProgram(const ProgramServices& services)
{
    // Closing the main window only brings up the exit screen; the program ends
    // through QuitApplication alone.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::InstallFontSubstitutes();
    QApplication::setWindowIcon(ui::ApplicationIcon());

    web::Launcher& launcher = services.launcher;
    app::MessagePrompter& prompter = services.prompter;

    // One reminder for both runs, start-up and the main window's load, so it
    // asks at most once.
    std::unique_ptr<Reminder> reminder;
    const auto runReminder = [&] {
        if (!reminder)
            reminder = std::make_unique<Reminder>(services.openSettings(), services);
        reminder->reminder.Run();
    };

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
            ui::MainWindowServices { launcher, prompter, services.clock, runReminder, showExitScreen }, nullptr);
        // Once closed it is gone for good; the exit screen has taken over.
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        mainWindow->show();
    };

    app::SingleInstance instance(services.lockPath);
    app::StartApplication(instance, prompter, runReminder, showMainWindow, quitApplication).Run();

    // A refused second copy has already quit, before the event loop could run.
    const int status = quit.Ended() ? 0 : QApplication::exec();
    delete mainWindow.data(); // still there when the loop ended with it open
    return status;
}

} // namespace program
