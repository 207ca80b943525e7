#include "ui/chart/ChartPrinting.h"

#include "ui/chart/PrintJob.h"
#include "ui/report/ComparisonPage.h"
#include "ui/report/ReportPage.h"

#include <QPainter>
#include <QPrinter>

namespace ui {
namespace {

void SetUp(QPrinter& printer, const QString& documentName)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(documentName);
}

template <typename Draw> bool Paint(QPrinter& printer, Draw draw)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's top left corner.
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    draw(painter, page);
    return painter.end();
}

bool PaintPage(QPrinter& printer, std::chrono::year_month_day birth, std::chrono::year_month_day report)
{
    return Paint(printer, [&](QPainter& painter, const QRectF& page) { DrawReportPage(painter, page, birth, report); });
}

bool PaintComparison(QPrinter& printer, const Comparison& comparison)
{
    return Paint(
        printer, [&](QPainter& painter, const QRectF& page) { DrawComparisonPage(painter, page, comparison); });
}

} // namespace

bool PrintReport(QWidget* parent, const QString& documentName, std::chrono::year_month_day birth,
    std::chrono::year_month_day report, QString& error)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, documentName);
    return PrintThroughDialog(
        parent, printer, [birth, report](QPrinter& target) { return PaintPage(target, birth, report); }, error);
}

void PreviewReport(
    QWidget* parent, const QString& documentName, std::chrono::year_month_day birth, std::chrono::year_month_day report)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, documentName);
    PreviewInDialog(parent, printer, [birth, report](QPrinter& target) { return PaintPage(target, birth, report); });
}

bool PrintComparison(QWidget* parent, const QString& documentName, const Comparison& comparison, QString& error)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, documentName);
    return PrintThroughDialog(
        parent, printer, [&comparison](QPrinter& target) { return PaintComparison(target, comparison); }, error);
}

void PreviewComparison(QWidget* parent, const QString& documentName, const Comparison& comparison)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, documentName);
    PreviewInDialog(parent, printer, [&comparison](QPrinter& target) { return PaintComparison(target, comparison); });
}

} // namespace ui

extern "C" Q_DECL_EXPORT const ui::PrintEntryPoints* BiorhythmPrintEntryPoints()
{
    static const ui::PrintEntryPoints entryPoints { &ui::PrintReport, &ui::PreviewReport, &ui::PrintComparison,
        &ui::PreviewComparison };
    return &entryPoints;
}
