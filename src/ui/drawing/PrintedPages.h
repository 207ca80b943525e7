#pragma once

// The report page and the comparison page as printed documents: one
// portrait page each, the same for the print dialog, the preview and a PDF.
// The sheet and margins are left to the device (see PrintedDocument).

#include "chart/BiorhythmCycle.h"
#include "ui/drawing/ComparisonPage.h"
#include "ui/drawing/PrintedDocument.h"

#include <chrono>

namespace ui {

// The report page with any extra cycles chosen (ReportPage.h).
PrintedDocument ReportDocument(const QString& title, std::chrono::year_month_day birth,
    std::chrono::year_month_day report, const chart::CycleChoice& cycles = {});

PrintedDocument ComparisonDocument(const QString& title, const Comparison& comparison);

} // namespace ui
