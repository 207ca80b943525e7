#pragma once

#include "ui/chart/ChartPrinting.h"
#include "ui/chart/PlannerPrinting.h"

namespace app {
class MessagePrompter;
}

namespace ui {

// Loads the print module once, from beside the program or from its library
// folder. Nothing, with the reason in error, when it cannot be loaded.
const PrintEntryPoints* LoadPrinting(QString& error);
const PlannerPrintEntryPoints* LoadPlannerPrinting(QString& error);

// The same, telling the user through prompter why printing cannot start.
const PrintEntryPoints* LoadPrinting(app::MessagePrompter& prompter);
const PlannerPrintEntryPoints* LoadPlannerPrinting(app::MessagePrompter& prompter);

} // namespace ui
