#pragma once

// The printed report: one portrait page with a title, the birthday and the
// report day, the chart (black, with its white 0% and report-day lines, the
// day and percent labels, and the three curves drawn as thin smooth lines at
// the device's own resolution, in their colours and line styles), the cycle names in their colours, and the
// table of the chart's 29 days with the report day's row set off and the
// critical cycles named. In: a painter on any device (printer, PDF writer,
// image) and the page's rectangle in its coordinates. The page scales itself
// to the rectangle, so A4 and Letter both fit.
//
// Extra cycles chosen come after the classical ones: their curves over the
// chart, their names in the legend (four to a row) and their columns in the
// table, whose font and columns then narrow to hold all eleven, with a line
// under it saying that the critical days are still the classical cycles'.

#include "chart/BiorhythmCycle.h"

#include <QRectF>

#include <chrono>

class QPainter;

namespace ui {

void DrawReportPage(QPainter& painter, const QRectF& page, std::chrono::year_month_day birth,
    std::chrono::year_month_day report, const chart::CycleChoice& cycles = {});

} // namespace ui
