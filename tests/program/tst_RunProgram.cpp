// The program as main() runs it, in process, with doubles for the clock, the
// message boxes, the launcher and the settings store, and a real lock file.

#include "FailingSettingsBackend.h"
#include "FixedClock.h"
#include "MemorySettingsBackend.h"
#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "app/ScrambleText.h"
#include "app/SettingsStore.h"
#include "app/SingleInstance.h"
#include "app/StartApplication.h"
#include "app/UpdateReminder.h"
#include "program/RunProgram.h"
#include "ui/exit/ExitScreen.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace std::chrono_literals;

namespace {

constexpr int kTimedOut = 99;

// Hands the program a store the test keeps, and counts how often the
// update reminder reads its date.
class SharedBackend final : public app::SettingsBackend {
public:
    SharedBackend(testing_support::MemorySettingsBackend& target, int& durationReads)
        : target(target)
        , durationReads(durationReads)
    { }
    QString Value(const QString& name) const override
    {
        if (name == app::ScrambleText(QStringLiteral("Duration")))
            ++durationReads;
        return target.Value(name);
    }
    bool SetValue(const QString& name, const QString& value) override { return target.SetValue(name, value); }

private:
    testing_support::MemorySettingsBackend& target;
    int& durationReads;
};

template <typename Window> Window* VisibleWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

class RunProgramTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> folder;
    testing_support::FixedClock clock { 2026y / 12 / 8 };
    testing_support::ScriptedPrompter prompter;
    testing_support::RecordingLauncher launcher;
    int storesOpened = 0;
    int durationReads = 0;
    bool exitScreenShownWhileRunning = false;

    QString LockPath() const { return folder->filePath(QStringLiteral("program.lock")); }

    int Run(testing_support::MemorySettingsBackend& backend)
    {
        return program::RunProgram({ clock, prompter, launcher,
            [this, &backend]() -> std::unique_ptr<app::SettingsBackend> {
                ++storesOpened;
                return std::make_unique<SharedBackend>(backend, durationReads);
            },
            LockPath() });
    }

    // Runs the program as a user would end it: close the main window, see the
    // exit screen with the program still running, close the exit screen.
    int RunAndCloseBoth(testing_support::MemorySettingsBackend& backend)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kTimedOut); });
        watchdog.start(30s);
        // Steps still pending when the run ends early go with it.
        QObject steps;
        QTimer::singleShot(0, &steps, [this, &steps] {
            auto* mainWindow = VisibleWindow<ui::MainWindow>();
            QVERIFY(mainWindow);
            mainWindow->close();
            // Only reached while the event loop still runs.
            QTimer::singleShot(0, &steps, [this] {
                QVERIFY(!VisibleWindow<ui::MainWindow>());
                auto* exitScreen = VisibleWindow<ui::ExitScreen>();
                QVERIFY(exitScreen);
                exitScreenShownWhileRunning = true;
                exitScreen->close();
            });
        });
        return Run(backend);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        prompter.shown.clear();
        prompter.onShow = {};
        launcher.opened.clear();
        storesOpened = 0;
        durationReads = 0;
        exitScreenShownWhileRunning = false;
    }

    void FreshStoreAsksNothingAndEndsThroughTheExitScreen()
    {
        testing_support::MemorySettingsBackend backend;
        QCOMPARE(RunAndCloseBoth(backend), 0);
        QVERIFY(exitScreenShownWhileRunning);
        QCOMPARE(prompter.Texts(), QStringList());
        QCOMPARE(storesOpened, 1);

        QCOMPARE(backend.values.size(), 2);
        const app::SettingsStore store(backend);
        QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), QStringLiteral("12/8/2026"));
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QStringLiteral("1"));
    }

    void DueReminderAsksOnceBeforeTheMainWindowShows()
    {
        // Writes fail, so the window's load finds the old date still due.
        testing_support::FailingSettingsBackend backend;
        backend.values.insert(
            app::ScrambleText(QStringLiteral("Duration")), app::ScrambleText(QStringLiteral("11/1/2026")));
        QList<bool> mainWindowVisible;
        prompter.onShow = [&] { mainWindowVisible.append(VisibleWindow<ui::MainWindow>() != nullptr); };

        QCOMPARE(RunAndCloseBoth(backend), 0);
        QCOMPARE(prompter.Texts(), QStringList { app::UpdateReminder::QuestionText() });
        QCOMPARE(mainWindowVisible, QList<bool> { false });
        // Start-up and the window's load both ran the reminder.
        QCOMPARE(durationReads, 2);
    }

    void SecondCopyIsRefusedWithoutOpeningTheStore()
    {
        app::SingleInstance firstCopy(LockPath());
        QVERIFY(!firstCopy.AnotherIsRunning());

        testing_support::MemorySettingsBackend backend;
        QCOMPARE(Run(backend), 0);
        QCOMPARE(prompter.Texts(), QStringList { app::StartApplication::AlreadyRunningText() });
        QCOMPARE(storesOpened, 0);
        QVERIFY(!VisibleWindow<ui::MainWindow>());
        QVERIFY(!VisibleWindow<ui::ExitScreen>());
    }
};

QTEST_MAIN(RunProgramTest)
#include "tst_RunProgram.moc"
