#include "chart/ValueTable.h"
#include "ui/Look.h"
#include "ui/chart/ChartArea.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status;
    QString errors;
};

Run Render(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    // As in a cron job or a container, where Qt would warn about it.
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BIORHYTHM_RENDER_PATH), arguments);
    if (!process.waitForFinished(60000))
        return { -1, QStringLiteral("did not finish") };
    if (process.exitStatus() != QProcess::NormalExit)
        return { -1, QStringLiteral("crashed") };
    if (output != nullptr)
        *output = process.readAllStandardOutput();
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()) };
}

// Lines of the error output that are the program's own.
QStringList OwnLines(const QString& errors)
{
    return errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("biorhythm-render:"));
}

} // namespace

class RenderProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        ui::InstallFontSubstitutes();
    }

    void drawsTheChartAreaAsTheWindowShowsIt()
    {
        const QString path = folder.filePath(QStringLiteral("chart.png"));
        const Run run = Render({ QStringLiteral("--birth"), QStringLiteral("1980-01-04"), QStringLiteral("--report"),
            QStringLiteral("2024-06-15"), QStringLiteral("--output"), path });
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errors, QString());
        QImage written(path);
        QCOMPARE(written.size(), QSize(431, 431));

        // The same picture as the widget itself shows for these dates.
        ui::ChartArea area;
        area.SetScaleWidth(28);
        area.SetupChartFrame();
        using namespace std::chrono;
        area.ShowChart({ 1980y / January / 4d, 2024y / June / 15d });
        const QImage shown = area.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32), shown);
    }

    void scalesToHighDensity_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("2") << 2;
        QTest::newRow("4") << 4;
    }

    void scalesToHighDensity()
    {
        QFETCH(int, scale);
        const QString path = folder.filePath(QStringLiteral("scaled%1.png").arg(scale));
        const Run run = Render({ QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=1980-01-04"),
            QStringLiteral("--output=") + path, QStringLiteral("--scale=%1").arg(scale) });
        QCOMPARE(run.status, 0);
        const QImage written(path);
        QCOMPARE(written.size(), QSize(431, 431) * scale);
        // Birthday on the report day: the curves meet where the white lines
        // cross, and the lows reach the bottom device row.
        QCOMPARE(written.pixel(215 * scale, 215 * scale), qRgb(255, 255, 255));
        bool lowReachesBottom = false;
        for (int x = 0; x < written.width() && !lowReachesBottom; ++x)
            lowReachesBottom = written.pixel(x, written.height() - 1) == qRgb(255, 0, 0);
        QVERIFY(lowReachesBottom);
    }

    void helpExplainsAndSucceeds()
    {
        QProcess process;
        process.start(QStringLiteral(BIORHYTHM_RENDER_PATH), { QStringLiteral("--help") });
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().contains("--birth YYYY-MM-DD"));
    }

    void badInputLeavesNoFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing option") << QStringList { QStringLiteral("--birth"), QStringLiteral("1980-01-04") }
                                        << QStringLiteral("--report");
        QTest::newRow("unknown option") << QStringList { QStringLiteral("--birth"), QStringLiteral("1980-01-04"),
            QStringLiteral("--report"), QStringLiteral("1980-01-04"), QStringLiteral("--size"), QStringLiteral("3") }
                                        << QStringLiteral("--size");
        QTest::newRow("no such day") << QStringList { QStringLiteral("--birth"), QStringLiteral("2023-02-29"),
            QStringLiteral("--report"), QStringLiteral("2024-01-01") }
                                     << QStringLiteral("2023-02-29");
        QTest::newRow("scale out of range") << QStringList { QStringLiteral("--birth"), QStringLiteral("1980-01-04"),
            QStringLiteral("--report"), QStringLiteral("2024-01-01"), QStringLiteral("--scale"), QStringLiteral("5") }
                                            << QStringLiteral("--scale");
    }

    void badInputLeavesNoFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const QString path = folder.filePath(QStringLiteral("refused.png"));
        const Run run = Render(arguments << QStringLiteral("--output") << path);
        QCOMPARE(run.status, 2);
        const QStringList lines = OwnLines(run.errors);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(named), qPrintable(lines.first()));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(QDir(folder.path()).entryList({ QStringLiteral("refused*") }, QDir::Files).size(), 0);
    }

    void writesTheReportPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("size");
        QTest::newRow("A4, the default") << QString() << QStringLiteral("595 x 842 pts (A4)");
        QTest::newRow("Letter") << QStringLiteral("letter") << QStringLiteral("612 x 792 pts (letter)");
    }

    void writesTheReportPage()
    {
        QFETCH(QString, page);
        QFETCH(QString, size);
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QVERIFY2(!pdftotext.isEmpty() && !pdfinfo.isEmpty(), "poppler-utils is not installed");
        const QString path = folder.filePath(QStringLiteral("report%1.PDF").arg(page));
        QStringList arguments { QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=2024-06-15"),
            QStringLiteral("--output=") + path };
        if (!page.isEmpty())
            arguments << QStringLiteral("--page") << page;
        const Run run = Render(arguments);
        QCOMPARE(run.status, 0);

        QProcess info;
        info.start(pdfinfo, { path });
        QVERIFY(info.waitForFinished(60000));
        const QString facts = QString::fromUtf8(info.readAllStandardOutput()).simplified();
        QVERIFY2(facts.contains(QStringLiteral("Pages: 1 ")), qPrintable(facts));
        QVERIFY2(facts.contains(QStringLiteral("Page size: ") + size), qPrintable(facts));

        // Each of the 29 rows as one line of text: date, day and the values.
        QProcess text;
        text.start(pdftotext, { QStringLiteral("-layout"), path, QStringLiteral("-") });
        QVERIFY(text.waitForFinished(60000));
        const QString shown = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        using namespace std::chrono;
        for (const chart::ValueRow& row : chart::ReadValueRows(1980y / January / 4d, 2024y / June / 15d)) {
            QString expected = QString::fromStdString(chart::IsoDate(row.date)) + QLatin1Char(' ')
                + (row.day.offset > 0 ? QStringLiteral("+") : QString()) + QString::number(row.day.offset);
            for (const chart::CycleReading& cycle : row.day.cycles)
                expected += QStringLiteral(" %1%").arg(QString::fromStdString(chart::PercentText(cycle.percent)));
            QVERIFY2(shown.contains(expected), qPrintable(expected));
        }
        QVERIFY(shown.contains(QStringLiteral("Birthday: 1980-01-04")));
    }

    void writesTheValues()
    {
        QByteArray standardOutput;
        const QString path = folder.filePath(QStringLiteral("values.csv"));
        const QStringList dates { QStringLiteral("--birth=2000-02-29"), QStringLiteral("--report=1999-12-31") };
        QCOMPARE(
            Render(dates + QStringList { QStringLiteral("--values"), QStringLiteral("-") }, &standardOutput).status, 0);
        QCOMPARE(Render(dates + QStringList { QStringLiteral("--values"), path }).status, 0);
        using namespace std::chrono;
        const std::string csv = chart::ValuesCsv(2000y / February / 29d, 1999y / December / 31d);
        QCOMPARE(standardOutput.toStdString(), csv);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().toStdString(), csv);
    }

    void badOutputsLeaveNoFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown extension") << QStringList { QStringLiteral("--output"), QStringLiteral("refused.jpg") }
                                           << QStringLiteral("refused.jpg");
        QTest::newRow("bad page size") << QStringList { QStringLiteral("--output"), QStringLiteral("refused.pdf"),
            QStringLiteral("--page"), QStringLiteral("a5") }
                                       << QStringLiteral("a5");
        QTest::newRow("report in no folder")
            << QStringList { QStringLiteral("--output"), QStringLiteral("none/refused.pdf") }
            << QStringLiteral("none/refused.pdf");
        QTest::newRow("values in no folder") << QStringList { QStringLiteral("--output"), QStringLiteral("refused.pdf"),
            QStringLiteral("--values"), QStringLiteral("none/refused.csv") }
                                             << QStringLiteral("none/refused.csv");
    }

    void badOutputsLeaveNoFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(BIORHYTHM_RENDER_PATH),
            QStringList { QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=2024-01-01") } + arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
        const QStringList lines = OwnLines(QString::fromLocal8Bit(process.readAllStandardError()));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(named), qPrintable(lines.first()));
        QCOMPARE(QDir(folder.path()).entryList({ QStringLiteral("refused*") }, QDir::Files | QDir::Hidden).size(), 0);
    }

    void unwritablePathIsRefused()
    {
        const QString path = folder.filePath(QStringLiteral("no/such/folder/chart.png"));
        const Run run = Render({ QStringLiteral("--birth"), QStringLiteral("1980-01-04"), QStringLiteral("--report"),
            QStringLiteral("2024-01-01"), QStringLiteral("--output"), path });
        QCOMPARE(run.status, 2);
        QCOMPARE(OwnLines(run.errors).size(), 1);
        QVERIFY(OwnLines(run.errors).first().contains(path));
        QVERIFY(!QFile::exists(path));
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(RenderProgramTest)
#include "tst_RenderProgram.moc"
