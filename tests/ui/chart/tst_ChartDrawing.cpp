#include "ChartAreaHost.h"
#include "ui/drawing/ChartDrawing.h"

#include <QTest>

// The chart drawn without a window is the window's chart area, pixel for
// pixel, as its grab shows it: curves, lines and labels over them. Run at
// the platform's ratio, once as is and once with QT_SCALE_FACTOR=2.
class ChartDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void drawsWhatTheChartAreaShows_data()
    {
        QTest::addColumn<bool>("lineStyles");
        QTest::newRow("plain") << false;
        QTest::newRow("line styles") << true;
    }

    void drawsWhatTheChartAreaShows()
    {
        QFETCH(bool, lineStyles);
        testing_support::ChartAreaHost host;
        ui::ChartArea* area = host.area;
        area->SetLineStyles(lineStyles);
        const qreal ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
        // Report days every third day over an intellectual period: the
        // cycles cross 0% and peak beneath the percent labels on several.
        using namespace std::chrono;
        const year_month_day birth = 1980y / January / 4d;
        for (int day = 0; day < 33; day += 3) {
            const year_month_day report { sys_days { 2024y / March / 17d } + days { day } };
            area->ShowChart({ birth, report });
            const QImage shown = area->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.devicePixelRatio(), ratio);
            ui::ChartDrawing drawing;
            drawing.daysSinceBirth = area->Shown()->DaysSinceBirth();
            drawing.lineStyles = lineStyles;
            const QImage drawn = ui::ChartImage(drawing, ratio);
            QVERIFY2(drawn == shown, qPrintable(QStringLiteral("report day +%1").arg(day)));
        }
    }
};

QTEST_MAIN(ChartDrawingTest)
#include "tst_ChartDrawing.moc"
