// Golden images: every window as a user sees it, compared pixel by pixel with
// a reference picture in tests/ui/golden/. One picture covers every caption,
// text, position and colour of its window.
//
// What the pictures depend on is pinned here: the offscreen platform at device
// pixel ratio 1, Qt's own style (Fusion), the fonts (a font configuration of
// the test's own that holds only the four faces the windows draw with, see
// golden/fonts.conf.in), the locale (English, United States: the date above
// the chart is in the short date format), the time zone, today's date and the
// exit screen's message.
//
// On a difference the test writes the actual picture and a difference picture
// (red where a pixel is beyond the tolerance) into the build folder and names
// them. After a deliberate change, `scripts/test --update-golden` writes the
// new references; nothing else ever does.

#include "MainWindowHarness.h"
#include "ui/Look.h"
#include "ui/about/AboutBox.h"
#include "ui/actions/ChartViewActions.h"
#include "ui/exit/ExitScreen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>

using testing_support::MainWindowHarness;

namespace {

// Each colour channel of each pixel may differ from the reference by this
// much. With the same font files, FreeType and Qt, text is rasterised bit for
// bit alike, so no larger allowance is needed for antialiasing. What may
// still differ between machines is the last bit of a blend: Qt's raster engine
// picks SSE2, SSE4.1 or AVX2 code at run time, and their rounding can differ by
// one level. A changed letter, a moved control or another colour changes
// pixels by far more than two levels of 255.
constexpr int kTolerance = 2;

QString ReferencePath(const QString& name)
{
    return QStringLiteral("%1/%2.png").arg(QString::fromUtf8(GOLDEN_REFERENCE_DIR), name);
}

QString OutputPath(const QString& name, const char* kind)
{
    return QStringLiteral("%1/%2.%3.png").arg(QString::fromUtf8(GOLDEN_OUTPUT_DIR), name, QString::fromLatin1(kind));
}

bool UpdateRequested()
{
    return qEnvironmentVariable("BIORHYTHM_UPDATE_GOLDEN") == QLatin1String("1");
}

int ChannelDifference(QRgb a, QRgb b)
{
    return std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)) });
}

struct Comparison {
    int pixelsBeyond = 0;
    int largest = 0;
    QImage picture; // the reference faded, red where beyond the tolerance
};

// Over the larger of the two sizes; a pixel that only one picture has counts
// as beyond.
Comparison Compare(const QImage& reference, const QImage& actual)
{
    Comparison result;
    const QSize size = reference.size().expandedTo(actual.size());
    result.picture = QImage(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool inBoth = reference.valid(x, y) && actual.valid(x, y);
            const int difference = inBoth ? ChannelDifference(reference.pixel(x, y), actual.pixel(x, y)) : 255;
            result.largest = std::max(result.largest, difference);
            QRgb shown = qRgb(255, 0, 0);
            if (difference > kTolerance) {
                ++result.pixelsBeyond;
            } else {
                const int grey = 192 + qGray(reference.pixel(x, y)) / 4;
                shown = qRgb(grey, grey, grey);
            }
            result.picture.setPixel(x, y, shown);
        }
    }
    return result;
}

// Compares a window's picture with its reference; on a difference beyond the
// tolerance either writes the new reference (when asked to) or fails.
void CheckAgainstReference(const QString& name, const QPixmap& grabbed)
{
    QCOMPARE(grabbed.devicePixelRatio(), 1.0);
    // Pictures of an earlier failure would tell of a difference no longer there.
    const QString actualPath = OutputPath(name, "actual");
    const QString differencePath = OutputPath(name, "difference");
    QFile::remove(actualPath);
    QFile::remove(differencePath);
    const QImage actual = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    const QString referencePath = ReferencePath(name);
    QImage reference(referencePath);
    if (!reference.isNull())
        reference = reference.convertToFormat(QImage::Format_RGB32);
    const Comparison comparison = Compare(reference, actual);
    if (!reference.isNull() && comparison.pixelsBeyond == 0)
        return;

    if (UpdateRequested()) {
        QVERIFY2(actual.save(referencePath), qPrintable(referencePath));
        qInfo("%s: new reference written", qPrintable(referencePath));
        return;
    }
    QVERIFY2(actual.save(actualPath), qPrintable(actualPath));
    QVERIFY2(comparison.picture.save(differencePath), qPrintable(differencePath));
    const QString sizes = reference.isNull() ? QStringLiteral("there is no reference picture")
                                             : QStringLiteral("size %1 x %2, reference %3 x %4")
                                                   .arg(actual.width())
                                                   .arg(actual.height())
                                                   .arg(reference.width())
                                                   .arg(reference.height());
    QFAIL(qPrintable(QStringLiteral("%1: %2 pixels differ from %3 by more than %4 (largest difference %5); %6.\n"
                                    "  actual: %7\n  difference (red beyond the tolerance): %8\n"
                                    "  After a deliberate change: scripts/test --update-golden")
                         .arg(name)
                         .arg(comparison.pixelsBeyond)
                         .arg(referencePath)
                         .arg(kTolerance)
                         .arg(comparison.largest)
                         .arg(sizes, actualPath, differencePath)));
}

bool ShowActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class TestGoldenImages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows: the references hold text as Debian's FreeType and fontconfig smooth it; Qt's own "
              "FreeType on Windows smooths the same glyphs differently (layout and curves match)");
#endif
        // With other fonts every picture would differ; say why at once.
        const QString sansSerif = QFontInfo(ui::SansSerifFont(8.25)).family();
        const QString verdana = QFontInfo(ui::VerdanaFont(9)).family();
        QVERIFY2(sansSerif == QLatin1String("Liberation Sans") && verdana == QLatin1String("DejaVu Sans"),
            qPrintable(QStringLiteral("the windows draw with %1 and %2 instead of Liberation Sans and DejaVu Sans "
                                      "(fonts-liberation and fonts-dejavu-core, which scripts/test installs)")
                           .arg(sansSerif, verdana)));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        QVERIFY(QDir().mkpath(QString::fromUtf8(GOLDEN_OUTPUT_DIR)));
    }

    // After a chart request for 4 January 1980 to 17 March 2024, made with a
    // click, so the focus is on the button.
    void mainWindow()
    {
        MainWindowHarness harness;
        QVERIFY(ShowActive(harness.window.get()));
        auto* button = harness.Find<QPushButton>("cmdBiorythm");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), button);
        CheckAgainstReference(QStringLiteral("main-window"), harness.window->grab());
    }

    // The same chart with every extra cycle on, chosen from the chart area's
    // Cycles submenu, the choice kept in a folder of the test's own.
    void mainWindowWithEveryCycle()
    {
        const QTemporaryDir folder;
        MainWindowHarness harness;
        auto* viewActions = harness.window->findChild<ui::ChartViewActions*>();
        QVERIFY(viewActions != nullptr);
        viewActions->KeepCyclesIn(folder.filePath(QStringLiteral("cycles.json")));
        QVERIFY(ShowActive(harness.window.get()));
        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        for (QAction* item : viewActions->CyclesMenu()->actions())
            if (item->isCheckable())
                item->trigger();
        QCOMPARE(viewActions->CyclesMenu()->actions().size(), 8 + 2); // and the two groups' headings
        CheckAgainstReference(QStringLiteral("main-window-every-cycle"), harness.window->grab());
    }

    // The months ahead of that chart, three at first, the day cursor and its
    // readout on the report day.
    void monthsAhead()
    {
        MainWindowHarness harness;
        QVERIFY(ShowActive(harness.window.get()));
        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        harness.Find<QAction>("mnuMonthsAhead")->trigger();
        auto* planner = harness.window->findChild<QWidget*>(QStringLiteral("frmMonthsAhead"));
        QVERIFY(planner != nullptr && QTest::qWaitForWindowActive(planner));
        CheckAgainstReference(QStringLiteral("months-ahead"), planner->grab());
    }

    // A kept person against the birthday in the boxes, as the People
    // dialog's Compare... opens it.
    void compareWindow()
    {
        const testing_support::KeptAnna anna;
        QVERIFY(anna.saved);
        MainWindowHarness harness;
        QVERIFY(ShowActive(harness.window.get()));
        harness.Find<QAction>("mnuPeople")->trigger();
        auto* peopleDialog = harness.window->findChild<QWidget*>(QStringLiteral("frmPeople"));
        QVERIFY(peopleDialog != nullptr);
        QTest::mouseClick(peopleDialog->findChild<QPushButton*>(QStringLiteral("cmdCompare")), Qt::LeftButton);
        auto* compare = harness.window->findChild<QWidget*>(QStringLiteral("frmCompare"));
        QVERIFY(compare != nullptr && QTest::qWaitForWindowActive(compare));
        CheckAgainstReference(QStringLiteral("compare"), compare->grab());
    }

    void aboutBox()
    {
        testing_support::RecordingLauncher launcher;
        ui::AboutBox about(launcher, nullptr);
        QVERIFY(ShowActive(&about));
        CheckAgainstReference(QStringLiteral("about-box"), about.grab());
    }

    // With the first support message.
    void exitScreen()
    {
        testing_support::RecordingLauncher launcher;
        testing_support::ScriptedPrompter prompter;
        ui::ExitScreen screen(
            launcher, prompter, [] {}, [] { return 0.0F; });
        QVERIFY(ShowActive(&screen));
        CheckAgainstReference(QStringLiteral("exit-screen"), screen.grab());
    }
};

int main(int argc, char* argv[])
{
    // Read once, when the application starts, so set before it exists.
    qputenv("FONTCONFIG_FILE", GOLDEN_FONTCONFIG_FILE);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    qputenv("LC_ALL", "C.UTF-8");
    for (const char* name : { "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI",
             "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME" })
        qunsetenv(name);

    QApplication application(argc, argv);
    ui::InstallFontSubstitutes();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestGoldenImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GoldenImages.moc"
