#include "ScriptedPrompter.h"
#include "chart/Compatibility.h"
#include "chart/ValueTable.h"
#include "ui/Look.h"
#include "ui/chart/ChartArea.h"
#include "ui/planner/PlannerView.h"
#include "ui/planner/PlannerWindow.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegion>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status;
    QString errors;
};

Run Render(const QStringList& arguments, QByteArray* output = nullptr, const QString& workingFolder = QString(),
    const QString& locale = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!locale.isEmpty())
        environment.insert(QStringLiteral("LC_ALL"), locale);
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

// The inflated content of every compressed stream of a PDF file.
QList<QByteArray> PdfStreams(const QByteArray& pdf)
{
    QList<QByteArray> streams;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at + 1)) {
        const qsizetype start = at + 7;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        if (pdf.mid(at - 3, 3) == "end")
            continue;
        const qsizetype dictionary = pdf.lastIndexOf("<<", at);
        if (dictionary < 0 || !pdf.mid(dictionary, at - dictionary).contains("/FlateDecode")) {
            at = end;
            continue;
        }
        // qUncompress wants the expected length first, and grows beyond it.
        QByteArray framed("\x01\x00\x00\x00", 4);
        framed += pdf.mid(start, end - start);
        const QByteArray content = qUncompress(framed);
        if (!content.isEmpty())
            streams << content;
        at = end;
    }
    return streams;
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

    void writesTheReportPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("size");
        QTest::newRow("A4, the default") << QString() << QStringLiteral("595 x 842 pts (A4)");
        QTest::newRow("Letter") << QStringLiteral("letter") << QStringLiteral("612 x 792 pts (letter)");
    }

    void writesTheReportPage()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows: the page is read back with poppler's pdftotext and pdfinfo, Linux programs");
#endif
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

    // The PNG in the line styles is the widget's own picture with them on,
    // and not the plain one.
    void drawsTheLineStylesOnRequest()
    {
        const QString path = folder.filePath(QStringLiteral("styled.png"));
        const Run run = Render({ QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=2024-06-15"),
            QStringLiteral("--output=") + path, QStringLiteral("--line-styles") });
        QCOMPARE(run.status, 0);
        ui::ChartArea area;
        area.SetScaleWidth(28);
        area.SetupChartFrame();
        using namespace std::chrono;
        area.ShowChart({ 1980y / January / 4d, 2024y / June / 15d });
        const QImage plain = area.grab().toImage().convertToFormat(QImage::Format_RGB32);
        area.SetLineStyles(true);
        const QImage styled = area.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(styled != plain);
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), styled);
    }

    // The pages, their size and orientation, and every month by name; and
    // the report page's curves as the vector dashes of their line styles.
    // The calendar picture keeps its key inside it: a month alone is
    // narrower than the key's lines, which then wrap instead of running off
    // the right edge. The picture's right margin stays white.
    void plannerPictureHoldsItsWholeKey_data()
    {
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("scale");
        for (const int months : { 1, 2, 12 })
            for (const int scale : { 1, 2 })
                QTest::addRow("%d months at scale %d", months, scale) << months << scale;
    }

    void plannerPictureHoldsItsWholeKey()
    {
        QFETCH(int, months);
        QFETCH(int, scale);
        const QString path = folder.filePath(QStringLiteral("planner-%1-%2.png").arg(months).arg(scale));
        const Run run = Render({ QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=2024-06-15"),
            QStringLiteral("--planner"), path, QStringLiteral("--months"), QString::number(months),
            QStringLiteral("--scale"), QString::number(scale) });
        QCOMPARE(run.status, 0);
        const QImage picture = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!picture.isNull());
        const int margin = 8 * scale;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = picture.width() - margin; x < picture.width(); ++x)
                if (picture.pixel(x, y) != qRgb(255, 255, 255))
                    QFAIL(qPrintable(QStringLiteral("drawn at the right edge: %1, %2 of %3 x %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(picture.width())
                                         .arg(picture.height())));
    }

    void writesThePlannerAndTheStyledReport_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("months");
        QTest::newRow("default, 3 months on A4 across")
            << QStringList() << 3 << QStringLiteral("842 x 595 pts (A4)")
            << QStringList { QStringLiteral("June 2024"), QStringLiteral("July 2024"), QStringLiteral("August 2024") };
        QStringList year;
        for (const char* month :
            { "June 2024", "July 2024", "August 2024", "September 2024", "October 2024", "November 2024",
                "December 2024", "January 2025", "February 2025", "March 2025", "April 2025", "May 2025" })
            year << QString::fromLatin1(month);
        QTest::newRow("a year on four Letter pages")
            << QStringList { QStringLiteral("--months=12"), QStringLiteral("--page=letter") } << 4
            << QStringLiteral("612 x 792 pts (letter)") << year;
    }

    void writesThePlannerAndTheStyledReport()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows: the pages are read back with poppler's pdftotext and pdfinfo, Linux programs");
#endif
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        QFETCH(QString, size);
        QFETCH(QStringList, months);
        const QString path = folder.filePath(QStringLiteral("planner%1.pdf").arg(pages));
        QElapsedTimer timer;
        timer.start();
        const Run run = Render(QStringList { QStringLiteral("--birth=1980-01-04"),
                                   QStringLiteral("--report=2024-06-15"), QStringLiteral("--planner"), path }
            + options);
        qInfo("planner of %d pages in %lld ms", pages, static_cast<long long>(timer.elapsed()));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errors, QString());
        QProcess info;
        info.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), { path });
        QVERIFY(info.waitForFinished(60000));
        const QString facts = QString::fromUtf8(info.readAllStandardOutput()).simplified();
        QVERIFY2(facts.contains(QStringLiteral("Pages: %1 ").arg(pages)), qPrintable(facts));
        QVERIFY2(facts.contains(QStringLiteral("Page size: ") + size), qPrintable(facts));
        QProcess text;
        text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), { path, QStringLiteral("-") });
        QVERIFY(text.waitForFinished(60000));
        const QString shown = QString::fromUtf8(text.readAllStandardOutput());
        for (const QString& month : months)
            QVERIFY2(shown.contains(month), qPrintable(month));
        QVERIFY(!shown.contains(QStringLiteral("May 2024")));
        QCOMPARE(shown.count(QStringLiteral("Emotional (dashed)")), pages);

        // The report page: a dash array for each styled curve and its
        // legend sample, in the page's own drawing commands.
        const QString report = folder.filePath(QStringLiteral("styled-report.pdf"));
        QCOMPARE(Render({ QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=2024-06-15"),
                            QStringLiteral("--output"), report })
                     .status,
            0);
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QSet<QString> dashes;
        for (const QByteArray& content : PdfStreams(file.readAll())) {
            static const QRegularExpression dash(QStringLiteral("\\[([0-9. ]+)\\]\\s*[0-9.]+\\s+d\\b"));
            for (auto match = dash.globalMatch(QString::fromLatin1(content)); match.hasNext();)
                dashes << match.next().captured(1).simplified();
        }
        QCOMPARE(dashes.size(), 2);
    }

    // The planner's weeks start where the user's locale starts them, in the
    // renderer as in the window: the window's locale pinned in the process
    // as the window tests pin it, the renderer's through the environment.
    // The same calendar, pixel for pixel, in May 2001, away from any today.
    void drawsThePlannerAsTheWindowInTheUsersLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("environment");
        QTest::newRow("English (United States), Sunday first")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("en_US.UTF-8");
        QTest::newRow("German, Monday first")
            << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("de_DE.UTF-8");
    }

    void drawsThePlannerAsTheWindowInTheUsersLocale()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows: Qt takes the user's locale from the system's settings, not from LC_ALL");
#endif
        QFETCH(QLocale, locale);
        QFETCH(QString, environment);
        const QString path = folder.filePath(QStringLiteral("planner-%1.png").arg(environment));
        QCOMPARE(Render({ QStringLiteral("--birth=1980-01-04"), QStringLiteral("--report=2001-05-10"),
                            QStringLiteral("--planner"), path },
                     nullptr, QString(), environment)
                     .status,
            0);

        const QLocale before;
        QLocale::setDefault(locale);
        testing_support::ScriptedPrompter prompter;
        ui::PlannerWindow window({}, prompter, nullptr);
        using namespace std::chrono;
        window.ShowChart(1980y / January / 4d, 2001y / May / 10d, std::nullopt);
        const QImage shown = window.findChild<ui::PlannerView*>()->Picture().convertToFormat(QImage::Format_RGB32);
        QLocale::setDefault(before);
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), shown);
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

    // The cycles start at the birth: a report day before it lists the
    // critical days of its period from the birthday on, a treble day, with
    // the offsets still counted from the report day.
    void listsNoCriticalDayBeforeTheBirth()
    {
        QByteArray listed;
        QCOMPARE(Render({ QStringLiteral("--birth=2000-02-29"), QStringLiteral("--report=1999-12-31"),
                            QStringLiteral("--critical=-") },
                     &listed)
                     .status,
            0);
        const QList<QByteArray> rows = listed.split('\n');
        QVERIFY2(rows.size() > 2, listed.constData());
        QCOMPARE(rows.at(1), QByteArray("2000-02-29,60,treble,Physical+Emotional+Intellectual\r"));
    }

    // Both people in one chart: the first person's curves, lines and labels
    // exactly as the single chart draws them, the second's in the gaps, and
    // the percent labels on black; the page names both and gives the
    // figures; the figures as CSV.
    void comparesTwoPeople()
    {
        const QStringList dates { QStringLiteral("--birth=1984-03-02"), QStringLiteral("--report=2024-03-17") };
        const QStringList second { QStringLiteral("--compare=1986-07-11") };
        const QString single = folder.filePath(QStringLiteral("single.png"));
        const QString both = folder.filePath(QStringLiteral("both.png"));
        QCOMPARE(Render(dates + QStringList { QStringLiteral("--output"), single }).status, 0);
        const Run run = Render(dates + second + QStringList { QStringLiteral("--output"), both });
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errors, QString());
        const QImage alone = QImage(single).convertToFormat(QImage::Format_RGB32);
        const QImage compared = QImage(both).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(compared.size(), QSize(431, 431));
        // Curve points and the white lines; not the labels' smoothed edges,
        // which blend with whatever lies beneath them, nor the labels'
        // places, which no curve crosses in the comparison.
        QList<QRgb> exact { qRgb(255, 255, 255) };
        for (const chart::BiorhythmCycle& cycle : chart::kCycles)
            exact << ui::RgbFromBgr(cycle.colour);
        ui::ChartArea area;
        area.SetScaleWidth(28);
        area.SetupChartFrame();
        const QList<QLabel*> percentLabels = area.findChildren<QLabel*>(QStringLiteral("lblPercent"));
        QCOMPARE(percentLabels.size(), 3);
        QRegion labels;
        for (const QLabel* label : percentLabels)
            labels += label->geometry();
        int added = 0;
        for (int y = 0; y < alone.height(); ++y)
            for (int x = 0; x < alone.width(); ++x) {
                const QRgb pixel = compared.pixel(x, y);
                if (labels.contains(QPoint(x, y)))
                    QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
                else if (exact.contains(alone.pixel(x, y)))
                    QCOMPARE(pixel, alone.pixel(x, y));
                else if (pixel != qRgb(0, 0, 0))
                    ++added;
            }
        // Three dashed curves across the chart: well over a thousand points,
        // and fewer than three solid ones would light.
        QVERIFY2(added > 1000 && added < 3 * 431 * 2, qPrintable(QString::number(added)));

        QByteArray figures;
        QCOMPARE(
            Render(dates + second + QStringList { QStringLiteral("--compatibility"), QStringLiteral("-") }, &figures)
                .status,
            0);
        using namespace std::chrono;
        QCOMPARE(figures.toStdString(),
            chart::CompatibilityCsv(chart::CompatibilityOf(1984y / March / 2d, 1986y / July / 11d)));

#ifndef Q_OS_WIN
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QVERIFY2(!pdftotext.isEmpty(), "poppler-utils is not installed");
        const QString page = folder.filePath(QStringLiteral("both.pdf"));
        QCOMPARE(Render(dates + second
                     + QStringList { QStringLiteral("--output"), page, QStringLiteral("--name"), QStringLiteral("Anna"),
                         QStringLiteral("--compare-name"), QStringLiteral("Ελένη") })
                     .status,
            0);
        QProcess text;
        text.start(pdftotext, { QStringLiteral("-layout"), page, QStringLiteral("-") });
        QVERIFY(text.waitForFinished(60000));
        const QString shown = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const QString& expected : { QStringLiteral("Anna (born 1984-03-02)"),
                 QStringLiteral("Ελένη (born 1986-07-11)"), QStringLiteral("Compatibility: 48.7% overall"),
                 QStringLiteral("Emotional: 50.0%, the cycles are 7 days apart, about a quarter of a cycle"),
                 QStringLiteral("2024-03-31 +14 16.6% -91.8% -66.9% 31.8% 49.0% -11.8%") })
            QVERIFY2(shown.contains(expected), qPrintable(expected));
#endif
    }

    // Every refusal: exit status 2, one line that names what is wrong, and
    // nothing left behind, neither the file nor a part of it nor a folder.
    void refusalsLeaveNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        const auto row = [](const char* tag, const char* arguments, const char* named) {
            QTest::newRow(tag) << QString::fromLatin1(arguments).split(QLatin1Char(' ')) << QString::fromLatin1(named);
        };
        row("missing option", "--birth 1980-01-04 --output refused.png", "--report");
        row("unknown option", "--birth 1980-01-04 --report 1980-01-04 --size 3 --output refused.png", "--size");
        row("no such day", "--birth 2023-02-29 --report 2024-01-01 --output refused.png", "2023-02-29");
        row("scale out of range", "--birth 1980-01-04 --report 2024-01-01 --scale 5 --output refused.png", "--scale");
        row("unknown extension", "--birth=1980-01-04 --report=2024-01-01 --output refused.jpg", "refused.jpg");
        row("bad page size", "--birth=1980-01-04 --report=2024-01-01 --output refused.pdf --page a5", "a5");
        row("picture in no folder", "--birth 1980-01-04 --report 2024-01-01 --output no/such/folder/refused.png",
            "no/such/folder/refused.png");
        row("report in no folder", "--birth=1980-01-04 --report=2024-01-01 --output none/refused.pdf",
            "none/refused.pdf");
        row("planner months beyond a year", "--birth=1980-01-04 --report=2024-01-01 --planner refused.pdf --months 13",
            "--months");
        row("planner extension", "--birth=1980-01-04 --report=2024-01-01 --planner refused.svg", "refused.svg");
        row("planner in no folder", "--birth=1980-01-04 --report=2024-01-01 --planner none/refused.png",
            "none/refused.png");
        row("line styles without a picture",
            "--birth=1980-01-04 --report=2024-01-01 --output refused.pdf --line-styles", "--line-styles");
        row("line styles with a value", "--birth=1980-01-04 --report=2024-01-01 --output refused.png --line-styles=yes",
            "--line-styles");
        row("values in no folder",
            "--birth=1980-01-04 --report=2024-01-01 --output refused.pdf --values none/refused.csv",
            "none/refused.csv");
        row("second birthday no date", "--birth 1980-01-04 --report 2024-01-01 --compare 1980-13-01 --output r.png",
            "1980-13-01");
        row("second birthday before 1900", "--birth 1980-01-04 --report 2024-01-01 --compare 1899-12-31 --output r.pdf",
            "1899-12-31");
        row("compatibility in no folder",
            "--birth 1980-01-04 --report 2024-01-01 --compare 1990-01-01 --output r.png --compatibility none/r.csv",
            "none/r.csv");
        row("comparison in no folder",
            "--birth 1980-01-04 --report 2024-01-01 --compare 1990-01-01 --output none/r.png", "none/r.png");
        // The dates the program's windows take: birthdays from 1900 to
        // today, report days in the main window's years.
        row("birthday before 1900", "--birth 1899-12-31 --report 2024-01-01 --output refused.png", "1899-12-31");
        row("second birthday to come", "--birth 1980-01-04 --report 2024-01-01 --compare 2090-01-01 --output r.png",
            "2090-01-01");
        row("report day beyond the years", "--birth 1980-01-04 --report 9999-12-31 --critical refused.ics",
            "9999-12-31");
        row("option for a value", "--birth --report 2024-01-01 --output refused.png", "--birth needs a value");
        // Two days on, so that a run across midnight still asks for a day to
        // come; the day after today is checked in tst_RenderOptions.
        const QString soon = QDate::currentDate().addDays(2).toString(Qt::ISODate);
        QTest::newRow("birthday to come") << QStringList { QStringLiteral("--birth=") + soon,
            QStringLiteral("--report=2024-01-01"), QStringLiteral("--values=refused.csv") }
                                          << soon;
    }

    void refusalsLeaveNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const QTemporaryDir empty;
        const Run run = Render(arguments, nullptr, empty.path());
        QCOMPARE(run.status, 2);
        const QStringList lines = OwnLines(run.errors);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(named), qPrintable(lines.first()));
        QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(RenderProgramTest)
#include "tst_RenderProgram.moc"
