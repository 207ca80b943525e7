#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <memory>
#include <vector>

// Real processes hold the lock: a copy that is running, one that crashed, and
// several that start at the same moment. On Linux the lock is a file in a
// folder of the test's own; on Windows a named mutex under a name of the
// test's own.
class TestSingleInstance : public QObject {
    Q_OBJECT
private:
    QTemporaryDir folder;
    QString lockPath;

    // Starts a stand-in copy and waits for its verdict.
    static std::unique_ptr<QProcess> StartCopy(const QString& lockPath)
    {
        auto copy = std::make_unique<QProcess>();
        copy->start(QStringLiteral(SINGLE_INSTANCE_HOLDER), { lockPath });
        return copy;
    }
    static QByteArray Verdict(QProcess& copy)
    {
        if (!copy.waitForStarted(10000))
            return "not started";
        while (!copy.canReadLine())
            if (!copy.waitForReadyRead(10000))
                return "no answer";
        return copy.readLine().trimmed();
    }

    // A copy that has already ended counts: waitForFinished() reports false
    // for it, and on Windows reading its verdict can see the end as well.
    static bool Finished(QProcess& copy) { return copy.state() == QProcess::NotRunning || copy.waitForFinished(10000); }

private slots:
    // The lock of a program called baseName, private to this run.
    QString LockFor(const QString& baseName) const
    {
#ifdef Q_OS_WIN
        return QStringLiteral("Local\\TavioSingleInstanceTest-%1-%2")
            .arg(QCoreApplication::applicationPid())
            .arg(baseName);
#else
        return folder.filePath(baseName + QStringLiteral(".lock"));
#endif
    }

    void init()
    {
        QVERIFY(folder.isValid());
        lockPath = LockFor(QStringLiteral("Program"));
    }

    void firstHolderKeepsItsPlaceAndASecondIsRefused()
    {
        app::SingleInstance first(lockPath);
        QVERIFY(!first.AnotherIsRunning());
        QVERIFY(!first.AnotherIsRunning()); // asking again does not refuse itself
        app::SingleInstance second(lockPath);
        QVERIFY(second.AnotherIsRunning());
        app::SingleInstance otherProgram(LockFor(QStringLiteral("Other")));
        QVERIFY(!otherProgram.AnotherIsRunning());
    }

    void runningCopyInAnotherProcessRefusesUntilItEnds()
    {
        auto copy = StartCopy(lockPath);
        QCOMPARE(Verdict(*copy), QByteArray("acquired"));
        {
            app::SingleInstance here(lockPath);
            QVERIFY(here.AnotherIsRunning());
        }
        copy->closeWriteChannel();
        QVERIFY(Finished(*copy));
        QCOMPARE(copy->exitCode(), 0);
        app::SingleInstance here(lockPath);
        QVERIFY(!here.AnotherIsRunning());
    }

    void lockLeftByACrashedCopyDoesNotBlock()
    {
        auto copy = StartCopy(lockPath);
        QCOMPARE(Verdict(*copy), QByteArray("acquired"));
        copy->kill();
        QVERIFY(Finished(*copy));
#ifndef Q_OS_WIN
        QVERIFY(QFile::exists(lockPath)); // the crash left its file behind
#endif
        app::SingleInstance here(lockPath);
        QVERIFY(!here.AnotherIsRunning());
        // And this process now holds it in turn.
        auto next = StartCopy(lockPath);
        QCOMPARE(Verdict(*next), QByteArray("refused"));
        QVERIFY(Finished(*next));
        QCOMPARE(next->exitCode(), 1);
    }

    void copiesStartedAtTheSameMomentLetExactlyOneRun()
    {
        for (int round = 0; round < 3; ++round) {
            const QString path = LockFor(QStringLiteral("Race%1").arg(round));
            std::vector<std::unique_ptr<QProcess>> copies;
            for (int i = 0; i < 5; ++i)
                copies.push_back(StartCopy(path));
            int acquired = 0;
            int refused = 0;
            for (auto& copy : copies) {
                const QByteArray verdict = Verdict(*copy);
                acquired += verdict == "acquired" ? 1 : 0;
                refused += verdict == "refused" ? 1 : 0;
            }
            QCOMPARE(acquired, 1);
            QCOMPARE(refused, 4);
            for (auto& copy : copies) {
                copy->closeWriteChannel();
                QVERIFY(Finished(*copy));
            }
        }
    }

    void lockThatCannotBeMadeLetsTheProgramRun()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows: a named mutex needs no folder; any name the program makes can be created");
#endif
        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        app::SingleInstance here(notAFolder.fileName() + QStringLiteral("/Program.lock"));
        QVERIFY(!here.AnotherIsRunning());
    }

#ifdef Q_OS_WIN
    void lockIsAMutexInTheLogonSessionsNamespace()
    {
        qputenv("USERNAME", "someone");
        QCOMPARE(app::SingleInstance::LockPathFor(QStringLiteral("TavioFreeBiorhythmChartSoftware")),
            QStringLiteral("Local\\TavioFreeBiorhythmChartSoftware-someone"));
    }
#else
    void lockLivesInThePerUserRuntimeFolder()
    {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString path = app::SingleInstance::LockPathFor(QStringLiteral("TavioFreeBiorhythmChartSoftware"));
        if (saved.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", saved);
        QCOMPARE(QDir::cleanPath(path),
            QDir::cleanPath(runtime.filePath(QStringLiteral("TavioFreeBiorhythmChartSoftware.lock"))));
    }
#endif
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
