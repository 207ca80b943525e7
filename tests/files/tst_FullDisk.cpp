// Saving onto a file system that is really full (a small tmpfs that
// tests/files/on-full-disk mounts and this test fills): the people's list,
// the chart's Export Values and Save Chart As, and every kind of file the
// renderer writes. Each must find out that it failed, leave the earlier file
// as it was, leave nothing else behind, and say so with the file's name and
// the system's reason.

#include "ChartAreaHost.h"
#include "ScriptedPrompter.h"
#include "people/PeopleFile.h"
#include "ui/actions/ChartActions.h"
#include "ui/actions/ChartViewActions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace std::chrono;

namespace {

const QByteArray kEarlier = QByteArray("the earlier file, kept whole\n").repeated(200); // about 6 KB

class FullDiskTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        folder = qEnvironmentVariable("BIORHYTHM_FULL_DISK");
        if (folder.isEmpty())
            QFAIL("run through tests/files/on-full-disk, which mounts the small file system to fill");
    }

    void peopleListStaysAsItWasOnDisk()
    {
        people::PeopleList list;
        for (int i = 1; i <= 100; ++i)
            QCOMPARE(list.Add({ QStringLiteral("Person %1").arg(i), 1950y / January / day(i % 28 + 1) },
                         2026y / December / 9d),
                people::Refusal::None);
        const QString path = QDir(folder).filePath(QStringLiteral("people.json"));
        QString error;
        QVERIFY(people::PeopleFile(path).Save(list, error));
        const QByteArray before = Contents(path);
        Fill();

        people::PeopleList changed = list;
        changed.Add({ QStringLiteral("Extra"), 1990y / May / 5d }, 2026y / December / 9d);
        people::PeopleFile file(path);
        QVERIFY(!file.Save(changed, error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)) && error.contains(NoSpace()), qPrintable(error));
        QCOMPARE(Contents(path), before);
        const people::PeopleFile::Loaded again = people::PeopleFile(path).Load();
        QCOMPARE(again.state, people::PeopleFile::State::Read);
        QCOMPARE(again.list, list);
        QCOMPARE(Entries(), SortedPair(QStringLiteral("people.json"), QStringLiteral("filler")));
    }

    void chartSavesSayWhyAndKeepTheEarlierFile()
    {
        testing_support::ChartAreaHost host;
        testing_support::ScriptedPrompter prompter;
        auto* actions = new ui::ChartActions(*host.area, prompter, &host.window);
        QVERIFY(host.ShowActive());
        host.area->ShowChart(testing_support::kChart2024);
        QString path;
        actions->SetSavePathAsker([&path](QWidget*, const QString&, const QString&, const QString&) { return path; });

        for (const char* name : { "mnuExportValues", "mnuSaveChart" }) {
            const QString file = QString::fromLatin1(name) + QStringLiteral(".out");
            path = PutEarlier(file);
            Fill();
            prompter.shown.clear();
            actions->findChild<QAction*>(QLatin1String(name))->trigger();
            QCOMPARE(prompter.shown.size(), 1);
            const QString text = prompter.shown.first().text;
            QVERIFY2(text.contains(QDir::toNativeSeparators(path)) && text.contains(NoSpace()), qPrintable(text));
            QCOMPARE(Contents(path), kEarlier);
            QCOMPARE(Entries(), SortedPair(file, QStringLiteral("filler")));
        }

        // The choice of cycles: still shown, not kept, and the earlier file
        // (unreadable, so no choice was read from it) left as it was.
        const QString cycles = PutEarlier(QStringLiteral("cycles.json"));
        actions->ViewActions().KeepCyclesIn(cycles);
        Fill();
        prompter.shown.clear();
        actions->ViewActions().SetCycleShown(chart::kEveryCycle.size() - 1, true);
        QCOMPARE(prompter.shown.size(), 1);
        const QString text = prompter.shown.first().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(cycles)) && text.contains(NoSpace()), qPrintable(text));
        QVERIFY(host.area->Cycles().Has(chart::kEveryCycle.size() - 1));
        QCOMPARE(Contents(cycles), kEarlier);
        QCOMPARE(Entries(), SortedPair(QStringLiteral("cycles.json"), QStringLiteral("filler")));
    }

    void rendererFailsWithOneLineAndKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("arguments");
        const QStringList dates { QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=2024-03-17") };
        const QStringList two = dates + QStringList { QStringLiteral("--compare=1986-07-11") };
        const auto row
            = [](const char* tag, const char* file, const QStringList& first, std::initializer_list<const char*> rest) {
                  QStringList arguments = first;
                  for (const char* argument : rest)
                      arguments << QString::fromLatin1(argument);
                  QTest::newRow(tag) << QString::fromLatin1(file) << arguments;
              };
        row("chart PNG", "chart.png", dates, { "--output", "chart.png" });
        row("report PDF", "report.pdf", dates, { "--output", "report.pdf" });
        row("values CSV", "values.csv", dates, { "--values", "values.csv" });
        row("critical days iCalendar", "days.ics", dates, { "--critical", "days.ics" });
        row("critical days CSV", "days.csv", dates, { "--critical", "days.csv" });
        row("planner PNG", "planner.png", dates, { "--planner", "planner.png" });
        row("planner PDF", "planner.pdf", dates, { "--planner", "planner.pdf" });
        row("comparison PNG", "two.png", two, { "--output", "two.png" });
        row("comparison PDF", "two.pdf", two, { "--output", "two.pdf" });
        row("compatibility CSV", "two.csv", two, { "--compatibility", "two.csv" });
    }

    void rendererFailsWithOneLineAndKeepsTheEarlierFile()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, arguments);
        const QString path = PutEarlier(file);
        Fill();
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral(BIORHYTHM_RENDER_PATH), arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(errors.count(QLatin1Char('\n')), 1);
        QVERIFY2(errors.contains(file) && errors.contains(NoSpace()), qPrintable(errors));
        QCOMPARE(Contents(path), kEarlier);
        QCOMPARE(Entries(), SortedPair(file, QStringLiteral("filler")));
    }

private:
    static QString NoSpace() { return QStringLiteral("No space left on device"); }

    static QStringList SortedPair(const QString& a, const QString& b)
    {
        QStringList pair { a, b };
        pair.sort();
        return pair;
    }

    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    QStringList Entries() const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Empties the file system and puts an earlier file of the given name in it.
    QString PutEarlier(const QString& name)
    {
        for (const QString& entry : Entries())
            QFile::remove(QDir(folder).filePath(entry));
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kEarlier) != kEarlier.size() || !file.flush())
            qFatal("the earlier file could not be written");
        return path;
    }

    // Takes the rest of the space, to the last byte.
    void Fill()
    {
        QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("the filler could not be made");
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) { }
        while (filler.write(block.left(1)) == 1) { }
    }

    QString folder;
};

} // namespace

QTEST_MAIN(FullDiskTest)
#include "tst_FullDisk.moc"
