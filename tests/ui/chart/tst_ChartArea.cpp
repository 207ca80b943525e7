#include "ChartAreaHost.h"
#include "ui/Look.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/DayReadoutBox.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kViolet = qRgb(255, 128, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

const QString kReportDay2024 = QStringLiteral("Sunday 17 March 2024, report day: physical -57% rising, emotional "
                                              "-49% falling, intellectual 98% rising");

// A chart whose report day, 8 December 2026, lies daysSinceBirth days after
// the birthday.
ui::ShownChart ChartFor(int daysSinceBirth)
{
    using namespace std::chrono;
    constexpr year_month_day report = 2026y / December / 8d;
    return { year_month_day { sys_days { report } - days { daysSinceBirth } }, report };
}

// The area as the main window's load leaves it: 28 days across, frame placed.
void Prepare(ui::ChartArea& area)
{
    area.SetScaleWidth(28);
    area.SetupChartFrame();
}

// Column of window position x: the scale runs over the centres of the first
// and last pixels of the 431-pixel area.
int Column(double x)
{
    return qRound(x / 28.0 * 430.0);
}

// Mean column of the pixels of one colour in one row, or -1 if none.
double MeanColumnOf(const QImage& image, int row, QRgb colour)
{
    double sum = 0;
    int count = 0;
    for (int column = 0; column < image.width(); ++column) {
        if (image.pixel(column, row) == colour) {
            sum += column;
            ++count;
        }
    }
    return count == 0 ? -1.0 : sum / count;
}

bool IsLightGrey(QRgb pixel)
{
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) > 160;
}

QImage Grab(ui::ChartArea& area)
{
    return area.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ChartAreaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InstallFontSubstitutes(); }

    void emptyUntilTheFirstChart()
    {
        ui::ChartArea area;
        Prepare(area);
        const QImage picture = area.Picture();
        QCOMPARE(picture.size(), QSize(431, 431));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QCOMPARE(picture.pixel(x, y), kBlack);

        // On screen, only the frame: the two white lines crossing in the
        // middle, black elsewhere.
        const QImage shown = Grab(area);
        QCOMPARE(shown.pixel(215, 0), kWhite);
        QCOMPARE(shown.pixel(215, 430), kWhite);
        QCOMPARE(shown.pixel(0, 215), kWhite);
        QCOMPARE(shown.pixel(430, 215), kWhite);
        QCOMPARE(shown.pixel(100, 100), kBlack);
        QCOMPARE(shown.pixel(214, 100), kBlack);
        QCOMPARE(shown.pixel(100, 216), kBlack);
    }

    // Birthday on the report day: highs and lows of each cycle in its
    // colour, on the very top and bottom rows, at the walk's positions.
    void highsAndLowsReachTheEdges_data()
    {
        QTest::addColumn<double>("vertex");
        QTest::addColumn<int>("row");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("physical high") << 19.75 << 0 << kRed;
        QTest::newRow("physical low") << 8.25 << 430 << kRed;
        QTest::newRow("emotional high") << 21.0 << 0 << kGreen;
        QTest::newRow("emotional low") << 7.0 << 430 << kGreen;
        QTest::newRow("intellectual high") << 22.25 << 0 << kViolet;
        QTest::newRow("intellectual low") << 5.75 << 430 << kViolet;
    }

    void highsAndLowsReachTheEdges()
    {
        QFETCH(double, vertex);
        QFETCH(int, row);
        QFETCH(QRgb, colour);
        ui::ChartArea area;
        Prepare(area);
        area.ShowChart(ChartFor(0));
        const QImage picture = area.Picture();
        const double mean = MeanColumnOf(picture, row, colour);
        QVERIFY2(mean >= 0, "the vertex does not reach the edge row");
        QVERIFY2(qAbs(mean - Column(vertex)) <= 1.0, qPrintable(QString::number(mean)));
        QCOMPARE(picture.pixel(Column(vertex), row), colour);
    }

    void allCurvesCrossZeroOnTheReportDayOfTheBirthday()
    {
        ui::ChartArea area;
        Prepare(area);
        area.ShowChart(ChartFor(0));
        const QImage picture = area.Picture();
        // Intellectual is drawn last and lies over the others where all three
        // meet.
        QCOMPARE(picture.pixel(215, 215), kViolet);
        for (int row = 0; row < 431; ++row) {
            if (qAbs(row - 215) > 3)
                QCOMPARE(picture.pixel(215, row), kBlack);
        }
        // Rising from left to right: a little to the left of the report day
        // every curve is below the 0% line, a little to the right above it
        // (rows grow downwards).
        int litLeft = 0;
        int litRight = 0;
        for (int row = 0; row < 431; ++row) {
            if (picture.pixel(200, row) != kBlack) {
                ++litLeft;
                QVERIFY2(row > 215, qPrintable(QString::number(row)));
            }
            if (picture.pixel(230, row) != kBlack) {
                ++litRight;
                QVERIFY2(row < 215, qPrintable(QString::number(row)));
            }
        }
        QVERIFY(litLeft >= 3);
        QVERIFY(litRight >= 3);
    }

    void theCurvesRunAcrossTheWholeWidth()
    {
        ui::ChartArea area;
        Prepare(area);
        area.ShowChart(ChartFor(12345));
        const QImage picture = area.Picture();
        for (const QRgb colour : { kRed, kGreen, kViolet }) {
            for (const int column : { 0, 430 }) {
                bool lit = false;
                for (int row = 0; row < 431 && !lit; ++row)
                    lit = picture.pixel(column, row) == colour;
                QVERIFY2(lit, qPrintable(QStringLiteral("colour %1 column %2").arg(colour, 0, 16).arg(column)));
            }
        }
    }

    void linesAndLabelsStayAboveTheCurves()
    {
        ui::ChartArea area;
        Prepare(area);
        area.ShowChart(ChartFor(0));
        const QImage shown = Grab(area);
        QCOMPARE(shown.pixel(215, 215), kWhite);
        QCOMPARE(shown.pixel(Column(19.75), 215), kWhite);
        QCOMPARE(shown.pixel(215, 0), kWhite);
        // Curves where no line or label covers them.
        QCOMPARE(shown.pixel(Column(19.75), 0), kRed);
        QCOMPARE(shown.pixel(Column(8.25), 430), kRed);

        // Some white text lies in each label, over a black ground; its edges
        // may be smoothed into greys.
        for (QLabel* label : area.findChildren<QLabel*>(QStringLiteral("lblPercent"))) {
            const QRect place = label->geometry() & area.rect();
            int white = 0;
            for (int y = place.top(); y <= place.bottom(); ++y)
                for (int x = place.left(); x <= place.right(); ++x)
                    white += IsLightGrey(shown.pixel(x, y)) ? 1 : 0;
            QVERIFY2(white > 5, qPrintable(label->text()));
        }
    }

    void zeroLabelEndsAtTheRightEdgeBelowTheZeroLine()
    {
        ui::ChartArea area;
        Prepare(area);
        const QList<QLabel*> labels = area.findChildren<QLabel*>(QStringLiteral("lblPercent"));
        QCOMPARE(labels.size(), 3);
        QLabel* zero = nullptr;
        for (QLabel* label : labels) {
            if (label->property("index").toInt() == 1)
                zero = label;
        }
        QVERIFY(zero);
        QCOMPARE(zero->text(), QStringLiteral("0%"));
        QCOMPARE(zero->geometry().right(), 430);
        QVERIFY(zero->geometry().top() > 215);
        QVERIFY(zero->geometry().top() < 215 + zero->fontMetrics().height());
    }

    void aRequestReplacesThePreviousPicture()
    {
        ui::ChartArea first;
        Prepare(first);
        first.ShowChart(ChartFor(0));
        const QImage once = first.Picture();
        first.ShowChart(ChartFor(0));
        QCOMPARE(first.Picture(), once);

        ui::ChartArea second;
        Prepare(second);
        second.ShowChart(ChartFor(-50));
        QVERIFY(second.Picture() != once);
        second.ShowChart(ChartFor(0));
        QCOMPARE(second.Picture(), once);
        QCOMPARE(Grab(second), Grab(first));
    }

    void anotherReportDayMovesTheCurvesSideways()
    {
        ui::ChartArea area;
        Prepare(area);
        area.ShowChart(ChartFor(0));
        const double before = MeanColumnOf(area.Picture(), 0, kRed);
        area.ShowChart(ChartFor(1));
        const double after = MeanColumnOf(area.Picture(), 0, kRed);
        // One day later in life, the high comes one day (15.36 pixels) sooner.
        QVERIFY2(qAbs(before - after - 430.0 / 28.0) <= 1.0, qPrintable(QString::number(before - after)));
    }

    // The readout's numbers come from the model, not from the picture: for
    // every day, the curve drawn through that day's column must pass the row
    // of the value the readout shows. A readout a day off, or reading the
    // wrong cycle, misses by up to 75 rows; rounding to whole percent and a
    // point hidden under a later curve account for up to 3.
    void hoverReadsEachDayAsTheCurvesShowIt()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ui::ChartArea area;
        Prepare(area);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QTest::mouseMove(&area, QPoint(200, 100));
        QVERIFY2(area.findChild<ui::DayReadoutBox*>() == nullptr, "a readout before the first chart");

        const QDate reportDay(2026, 12, 8);
        area.ShowChart(ChartFor(17100));
        const QImage picture = area.Picture();
        const QRgb colours[] = { kRed, kGreen, kViolet };
        const QRegularExpression value(QStringLiteral(" ([+-]?\\d+)% "));
        ui::DayReadoutBox* readout = nullptr;
        for (int offset = -14; offset <= 14; ++offset) {
            const int column = Column(14 + offset);
            // Up to half a day off the column still reads that day.
            const QPoint pointer(std::clamp(column + (offset % 2 == 0 ? 7 : -7), 0, 430), 30 + 13 * (offset + 14));
            QTest::mouseMove(&area, pointer);
            readout = area.findChild<ui::DayReadoutBox*>();
            QVERIFY(readout != nullptr && readout->isVisible());
            QVERIFY(area.rect().contains(readout->geometry()));
            QVERIFY(!readout->geometry().adjusted(-12, -12, 12, 12).contains(pointer));
            const std::vector<ui::ReadoutLine>& lines = readout->Lines();
            QCOMPARE(lines.size(), 5u);
            QCOMPARE(lines[0].text, QLocale().toString(reportDay.addDays(offset), QLocale::LongFormat));
            for (std::size_t i = 0; i < 3; ++i) {
                QCOMPARE(lines[2 + i].colour, colours[i]);
                const QRegularExpressionMatch match = value.match(lines[2 + i].text + QLatin1Char(' '));
                QVERIFY2(match.hasMatch(), qPrintable(lines[2 + i].text));
                const int row = qRound((100 - match.captured(1).toInt()) / 200.0 * 430);
                int miss = 431;
                for (int y = 0; y < 431; ++y)
                    if (picture.pixel(column, y) == colours[i])
                        miss = std::min(miss, std::abs(y - row));
                QVERIFY2(miss <= 3,
                    qPrintable(
                        QStringLiteral("%1 on day %2: %3 rows off").arg(lines[2 + i].text).arg(offset).arg(miss)));
            }
        }
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&area, &leave);
        QVERIFY(!readout->isVisible());
        QCOMPARE(area.Picture(), picture);
    }

    // A keyboard user walks the chart's days: the description follows every
    // step (the setter raises the event a screen reader speaks), the cursor
    // line stands on the day's column, and the kept picture never changes.
    // Day 16137 (7 days before) starts a 33-day cycle: 0%, critical.
    void dayCursorWalksTheChartAndIsSpoken()
    {
        testing_support::ChartAreaHost host;
        QVERIFY(host.ShowActive());
        ui::ChartArea* chart = host.area;
        QPushButton* button = host.button;
        chart->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(chart->accessibleDescription(), QStringLiteral("No chart drawn yet"));
        QVERIFY(chart->findChild<QWidget*>(QStringLiteral("dayCursor")) == nullptr);

        button->setFocus();
        chart->ShowChart(testing_support::kChart2024);
        const QImage picture = chart->Picture();
        QTest::keyClick(button, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chart);
        auto* cursor = chart->findChild<QWidget*>(QStringLiteral("dayCursor"));
        QVERIFY(cursor != nullptr && cursor->isVisible());
        QCOMPARE(cursor->x(), 215);
        QCOMPARE(chart->accessibleDescription(), kReportDay2024);

        const auto step = [&](Qt::Key key, int column, const char* description) {
            QTest::keyClick(chart, key);
            QCOMPARE(cursor->x(), column);
            QCOMPARE(chart->accessibleDescription(), QString::fromLatin1(description));
        };
        step(Qt::Key_Left, 200,
            "Saturday 16 March 2024, 1 day before the report day: physical -77% rising, emotional -27% falling, "
            "intellectual 93% rising");
        step(Qt::Key_Home, 0,
            "Sunday 3 March 2024, 14 days before the report day: physical 95% falling, emotional 49% rising, "
            "intellectual -98% rising");
        step(Qt::Key_Left, 0,
            "Sunday 3 March 2024, 14 days before the report day: physical 95% falling, emotional 49% rising, "
            "intellectual -98% rising");
        step(Qt::Key_PageDown, 108,
            "Sunday 10 March 2024, 7 days before the report day: physical -68% falling, emotional 92% falling, "
            "intellectual 0% rising, critical");
        step(Qt::Key_End, 430,
            "Sunday 31 March 2024, 14 days after the report day: physical -17% falling, emotional 49% rising, "
            "intellectual -79% falling");
        step(Qt::Key_Right, 430,
            "Sunday 31 March 2024, 14 days after the report day: physical -17% falling, emotional 49% rising, "
            "intellectual -79% falling");
        // The physical high at 5.75 days into its cycle falls within this day.
        step(Qt::Key_PageUp, 323,
            "Sunday 24 March 2024, 7 days after the report day: physical 98% high, emotional -92% rising, "
            "intellectual 51% falling");
        QCOMPARE(chart->Picture(), picture);

        // A menu over the chart takes the focus for a while: the cursor stays.
        for (const QEvent::Type type : { QEvent::FocusOut, QEvent::FocusIn }) {
            QFocusEvent focus(type, Qt::PopupFocusReason);
            QApplication::sendEvent(chart, &focus);
            QVERIFY(cursor->isVisible());
            QCOMPARE(cursor->x(), 323);
        }

        // Leaving takes the cursor away; coming back starts on the report day.
        QTest::keyClick(chart, Qt::Key_Tab);
        QVERIFY(!cursor->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), chart);
        QVERIFY(cursor->isVisible());
        QCOMPARE(cursor->x(), 215);
        QCOMPARE(chart->accessibleDescription(), kReportDay2024);

        // A new chart puts the cursor back on its report day.
        QTest::keyClick(chart, Qt::Key_End);
        chart->ShowChart(testing_support::kChart2024);
        QCOMPARE(cursor->x(), 215);
        QCOMPARE(chart->accessibleDescription(), kReportDay2024);
    }

    void birthdayAfterReportDayDrawsLikeAnyOther()
    {
        ui::ChartArea area;
        Prepare(area);
        area.ShowChart(ChartFor(-50));
        const QImage picture = area.Picture();
        // Intellectual: first high 6.25, low 22.75.
        QVERIFY(qAbs(MeanColumnOf(picture, 0, kViolet) - Column(6.25)) <= 1.0);
        QVERIFY(qAbs(MeanColumnOf(picture, 430, kViolet) - Column(22.75)) <= 1.0);
    }
};

QTEST_MAIN(ChartAreaTest)
#include "tst_ChartArea.moc"
