#include "ui/drawing/PlannerDocument.h"

#include "chart/Planner.h"
#include "ui/drawing/PlannerPage.h"

#include <QLocale>

#include <memory>

namespace ui {

PrintedDocument PlannerDocument(const QString& title, const PlannerRequest& request)
{
    // Shared by the copies of the document that the print dialogs make.
    auto planner
        = std::make_shared<const chart::Planner>(request.birth, request.report, request.months, request.cycles);
    PrintedDocument document;
    document.title = title;
    document.orientation = PlannerPrintLayoutFor(request.months).orientation;
    document.pageCount = PlannerPageCount(*planner);
    document.paintPage = [planner, today = request.today](QPainter& painter, const QRectF& page, int index) {
        DrawPlannerPage(painter, page, *planner, index, QLocale(), today);
    };
    return document;
}

} // namespace ui
