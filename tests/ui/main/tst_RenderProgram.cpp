#include "chart/DateComposition.h"
#include "ui/Look.h"
#include "ui/main/ChartArea.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status;
    QString errors;
};

Run Render(const QStringList& arguments)
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
        area.DrawChart(chart::DaysSinceBirth(1980y / January / 4d, 2024y / June / 15d));
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
