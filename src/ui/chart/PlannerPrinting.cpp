#include "ui/chart/PlannerPrinting.h"

#include "chart/Planner.h"
#include "ui/chart/PrintJob.h"
#include "ui/planner/PlannerPage.h"

#include <QPainter>
#include <QPrinter>

namespace ui {
namespace {

void SetUp(QPrinter& printer, const QString& documentName, const PlannerRequest& job)
{
    // A month a page reads best across, three a page down.
    printer.setPageOrientation(PlannerPrintLayoutFor(job.months).orientation);
    printer.setDocName(documentName);
}

bool PaintPages(QPrinter& printer, const PlannerRequest& job)
{
    const chart::Planner planner(job.birth, job.report, job.months);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const QLocale locale;
    for (int i = 0; i < PlannerPageCount(planner); ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        DrawPlannerPage(painter, page, planner, i, locale, job.today);
    }
    return painter.end();
}

} // namespace

bool PrintPlanner(QWidget* parent, const QString& documentName, const PlannerRequest& job, QString& error)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, documentName, job);
    return PrintThroughDialog(
        parent, printer, [&job](QPrinter& target) { return PaintPages(target, job); }, error);
}

void PreviewPlanner(QWidget* parent, const QString& documentName, const PlannerRequest& job)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, documentName, job);
    PreviewInDialog(parent, printer, [&job](QPrinter& target) { return PaintPages(target, job); });
}

} // namespace ui

extern "C" Q_DECL_EXPORT const ui::PlannerPrintEntryPoints* BiorhythmPlannerPrintEntryPoints()
{
    static const ui::PlannerPrintEntryPoints entryPoints { &ui::PrintPlanner, &ui::PreviewPlanner };
    return &entryPoints;
}
