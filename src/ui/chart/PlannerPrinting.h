#pragma once

// The planner's pages on a printer, through Qt's print and print preview
// dialogs: part of the print module (ChartPrinting.h), so that Qt's print
// support is loaded only at the first print.

#include "ui/planner/PlannerRequest.h"

#include <QString>

class QWidget;

namespace ui {

// Whether the pages were printed; false when the dialog was cancelled. Pages
// that cannot be printed give error a reason.
bool PrintPlanner(QWidget* parent, const QString& documentName, const PlannerRequest& job, QString& error);

void PreviewPlanner(QWidget* parent, const QString& documentName, const PlannerRequest& job);

// What the module offers for the planner, found by the name
// kPlannerPrintEntryPoints.
struct PlannerPrintEntryPoints {
    decltype(&PrintPlanner) printPlanner;
    decltype(&PreviewPlanner) previewPlanner;
};
inline constexpr char kPlannerPrintEntryPoints[] = "BiorhythmPlannerPrintEntryPoints";

} // namespace ui
