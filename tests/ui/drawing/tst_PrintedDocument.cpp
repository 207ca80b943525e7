#include "chart/Planner.h"
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
};

QTEST_MAIN(PrintedDocumentTest)
#include "tst_PrintedDocument.moc"
