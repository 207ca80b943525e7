#include "ui/drawing/PrintedPages.h"

#include "ui/drawing/ReportPage.h"

namespace ui {

PrintedDocument ReportDocument(const QString& title, std::chrono::year_month_day birth,
    std::chrono::year_month_day report, const chart::CycleChoice& cycles)
{
    PrintedDocument document;
    document.title = title;
    document.paintPage = [birth, report, cycles](QPainter& painter, const QRectF& page, int) {
        DrawReportPage(painter, page, birth, report, cycles);
    };
    return document;
}

PrintedDocument ComparisonDocument(const QString& title, const Comparison& comparison)
{
    PrintedDocument document;
    document.title = title;
    document.paintPage
        = [comparison](QPainter& painter, const QRectF& page, int) { DrawComparisonPage(painter, page, comparison); };
    return document;
}

} // namespace ui
