#include "chart/Planner.h"
#include "ui/Look.h"
#include "ui/drawing/PlannerDocument.h"
#include "ui/drawing/PlannerPage.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>

namespace {

using namespace std::chrono;

// One page at 100 dpi on white, the printable area of A4 in landscape.
QImage Page(const std::function<void(QPainter&, const QRectF&)>& draw)
{
    const QPageLayout layout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QImage image(layout.paintRectPixels(100).size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(image.rect()));
    return image;
}

} // namespace

class PrintedDocumentTest : public QObject {
    Q_OBJECT

private slots:
    // What the dialogs and the PDF writer print is the planner's own
    // drawing, page by page, today marked on the page that holds it.
    void plannerPagesAreThePlannersOwn()
    {
        const ui::PlannerRequest request { 1980y / January / 4d, 2024y / June / 15d, 12, 2025y / January / 10d };
        const ui::PrintedDocument year = ui::PlannerDocument(QStringLiteral("planner"), request);
        QCOMPARE(year.title, QStringLiteral("planner"));
        QCOMPARE(year.pageCount, 4);
        QCOMPARE(year.orientation, QPageLayout::Portrait);
        const ui::PrintedDocument quarter
            = ui::PlannerDocument(QString(), { request.birth, request.report, 3, request.today });
        QCOMPARE(quarter.pageCount, 3);
        QCOMPARE(quarter.orientation, QPageLayout::Landscape);

        const chart::Planner planner(request.birth, request.report, request.months);
        const QImage printed = Page([&](QPainter& painter, const QRectF& page) { year.paintPage(painter, page, 2); });
        QCOMPARE(printed, Page([&](QPainter& painter, const QRectF& page) {
            ui::DrawPlannerPage(painter, page, planner, 2, QLocale(), request.today);
        }));
        QVERIFY(printed != Page([&](QPainter& painter, const QRectF& page) { year.paintPage(painter, page, 1); }));
    }

    // The extra cycles asked for reach the printed cells: a bar in each
    // one's colour, which the classical cycles' page has nowhere.
    void plannerPagesShowTheExtraCyclesAskedFor()
    {
        ui::PlannerRequest request { 1980y / January / 4d, 2024y / June / 15d, 1, std::nullopt };
        const auto colourCount = [](const QImage& image, const chart::BiorhythmCycle& cycle) {
            long count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixel(x, y) == ui::RgbFromBgr(cycle.colour) ? 1 : 0;
            return count;
        };
        const chart::BiorhythmCycle& wisdom = chart::kEveryCycle[9];
        const chart::BiorhythmCycle& spiritual = chart::kEveryCycle[6];
        const QImage classical = Page([&](QPainter& painter, const QRectF& page) {
            ui::PlannerDocument(QString(), request).paintPage(painter, page, 0);
        });
        request.cycles = *chart::CycleChoice::FromNames("wisdom,spiritual");
        const QImage extras = Page([&](QPainter& painter, const QRectF& page) {
            ui::PlannerDocument(QString(), request).paintPage(painter, page, 0);
        });
        QCOMPARE(colourCount(classical, wisdom), 0);
        QCOMPARE(colourCount(classical, spiritual), 0);
        // Thirty days' bars, not just the key's sample.
        QVERIFY(colourCount(extras, wisdom) > 30 * 10);
        QVERIFY(colourCount(extras, spiritual) > 30 * 10);
    }
};

QTEST_MAIN(PrintedDocumentTest)
#include "tst_PrintedDocument.moc"
