#pragma once

#include "ui/chart/ChartPrinting.h"
#include "ui/chart/PlannerPrinting.h"

namespace ui {

// Loads the print module once, from beside the program or from its library
// folder. Nothing, with the reason in error, when it cannot be loaded.
const PrintEntryPoints* LoadPrinting(QString& error);
const PlannerPrintEntryPoints* LoadPlannerPrinting(QString& error);

} // namespace ui
