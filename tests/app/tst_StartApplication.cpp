#include "ScriptedPrompter.h"
#include "app/QuitApplication.h"
#include "app/SingleInstance.h"
#include "app/StartApplication.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <functional>
#include <stdexcept>

using testing_support::ScriptedPrompter;

namespace {

// A window that records its close handler, and may do more inside it.
class RecordingWindow : public QWidget {
public:
    explicit RecordingWindow(QStringList& events, QString name)
        : events(events)
        , name(std::move(name))
    { }
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        events.append(QStringLiteral("close ") + name);
        if (onClose)
            onClose();
        event->accept();
    }

private:
    QStringList& events;
    QString name;
};

} // namespace

class TestStartApplication : public QObject {
    Q_OBJECT
private:
    QTemporaryDir folder;
    QStringList events;
    ScriptedPrompter prompter;

    QString LockPath() const { return folder.filePath(QStringLiteral("Program.lock")); }

    app::StartApplication Start(app::SingleInstance& instance, std::function<void()> reminder = {})
    {
        if (!reminder)
            reminder = [this] { events.append(QStringLiteral("reminder")); };
        return app::StartApplication(
            instance, prompter, reminder, [this] { events.append(QStringLiteral("main window")); },
            [this] { events.append(QStringLiteral("quit")); });
    }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        events.clear();
        prompter.shown.clear();
        prompter.onShow = [this] { events.append(QStringLiteral("message")); };
    }

    void firstStartRunsTheReminderThenShowsTheMainWindow()
    {
        app::SingleInstance instance(LockPath());
        Start(instance).Run();
        QCOMPARE(events, (QStringList { QStringLiteral("reminder"), QStringLiteral("main window") }));
        QVERIFY(prompter.shown.isEmpty());
    }

    void secondStartShowsOneMessageThenQuitsAndDoesNothingElse()
    {
        app::SingleInstance running(LockPath());
        QVERIFY(!running.AnotherIsRunning());

        app::SingleInstance second(LockPath());
        Start(second).Run();
        QCOMPARE(events, (QStringList { QStringLiteral("message"), QStringLiteral("quit") }));
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(prompter.shown[0].icon, app::MessageIcon::Information);
        QCOMPARE(prompter.shown[0].buttons, app::MessageButtons::Ok);
        // The first copy keeps its lock.
        app::SingleInstance third(LockPath());
        QVERIFY(third.AnotherIsRunning());
    }

    void failingReminderStillLetsTheMainWindowAppear()
    {
        app::SingleInstance instance(LockPath());
        Start(instance, [this] {
            events.append(QStringLiteral("reminder"));
            throw std::runtime_error("settings unreadable");
        }).Run();
        QCOMPARE(events, (QStringList { QStringLiteral("reminder"), QStringLiteral("main window") }));
    }

    void quitClosesEveryOpenWindowThenEndsWithStatusZero()
    {
        QList<int> statuses;
        app::QuitApplication quit([&](int status) {
            events.append(QStringLiteral("end"));
            statuses.append(status);
        });
        RecordingWindow first(events, QStringLiteral("first"));
        RecordingWindow second(events, QStringLiteral("second"));
        RecordingWindow alreadyClosed(events, QStringLiteral("already closed"));
        first.show();
        second.show();
        QVERIFY(!quit.Begun());

        quit.Run();
        QVERIFY(quit.Begun());
        QVERIFY(quit.Ended());
        QCOMPARE(events.size(), 3);
        QVERIFY(events.contains(QStringLiteral("close first")));
        QVERIFY(events.contains(QStringLiteral("close second")));
        QCOMPARE(events.last(), QStringLiteral("end"));
        QCOMPARE(statuses, QList<int> { 0 });
        QVERIFY(!first.isVisible() && !second.isVisible());
    }

    void windowClosedEarlierDoesNotRunItsCloseHandlerAgain()
    {
        app::QuitApplication quit([this](int) { events.append(QStringLiteral("end")); });
        RecordingWindow mainWindow(events, QStringLiteral("main"));
        RecordingWindow exitScreen(events, QStringLiteral("exit"));
        // Closing the main window brings up the exit screen, as the program does.
        mainWindow.onClose = [&] { exitScreen.show(); };
        mainWindow.show();
        QVERIFY(mainWindow.close());
        QVERIFY(exitScreen.isVisible());
        events.clear();

        quit.Run();
        QCOMPARE(events, (QStringList { QStringLiteral("close exit"), QStringLiteral("end") }));
        QVERIFY(!mainWindow.isVisible());
    }

    void quitEnteredAgainFromACloseHandlerEndsExactlyOnce()
    {
        int ends = 0;
        app::QuitApplication quit([&](int) {
            ++ends;
            events.append(QStringLiteral("end"));
        });
        RecordingWindow exitScreen(events, QStringLiteral("exit"));
        RecordingWindow other(events, QStringLiteral("other"));
        exitScreen.onClose = [&] { quit.Run(); };
        exitScreen.show();
        other.show();

        // As the Exit button does: the outer call closes the exit screen, whose
        // close handler comes back in and finishes the job.
        quit.Run();
        QCOMPARE(ends, 1);
        QCOMPARE(events.count(QStringLiteral("close exit")), 1);
        QCOMPARE(events.count(QStringLiteral("close other")), 1);
        QCOMPARE(events.last(), QStringLiteral("end"));
        QVERIFY(!exitScreen.isVisible() && !other.isVisible());

        // A later call finds the process already ending.
        quit.Run();
        QCOMPARE(ends, 1);
    }
};

QTEST_MAIN(TestStartApplication)
#include "tst_StartApplication.moc"
