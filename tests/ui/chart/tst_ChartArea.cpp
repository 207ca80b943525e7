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
        area.DrawChart(0);
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
        area.DrawChart(0);
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
        area.DrawChart(12345);
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
        area.DrawChart(0);
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
        first.DrawChart(0);
        const QImage once = first.Picture();
        first.DrawChart(0);
        QCOMPARE(first.Picture(), once);

        ui::ChartArea second;
        Prepare(second);
        second.DrawChart(-50);
        QVERIFY(second.Picture() != once);
        second.DrawChart(0);
        QCOMPARE(second.Picture(), once);
        QCOMPARE(Grab(second), Grab(first));
    }

    void anotherReportDayMovesTheCurvesSideways()
    {
        ui::ChartArea area;
        Prepare(area);
        area.DrawChart(0);
        const double before = MeanColumnOf(area.Picture(), 0, kRed);
        area.DrawChart(1);
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
        area.DrawChart(17100);
        area.DescribeChart(reportDay, 17100);
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

    void birthdayAfterReportDayDrawsLikeAnyOther()
    {
        ui::ChartArea area;
        Prepare(area);
        area.DrawChart(-50);
        const QImage picture = area.Picture();
        // Intellectual: first high 6.25, low 22.75.
        QVERIFY(qAbs(MeanColumnOf(picture, 0, kViolet) - Column(6.25)) <= 1.0);
        QVERIFY(qAbs(MeanColumnOf(picture, 430, kViolet) - Column(22.75)) <= 1.0);
    }
};

QTEST_MAIN(ChartAreaTest)
#include "tst_ChartArea.moc"
