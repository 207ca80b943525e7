#pragma once

#include <QImage>

#include <chrono>

namespace ui {

class ChartArea;

// Two people's chart in one picture: the chart area's own chart of the first
// person (curves, lines and labels as the area shows them), and
// beneath the first person's curves the second person's, for the same report
// day, in the same colours but dashed, so that the two are told apart
// without colour. The second person's curves never cover a point of the
// first's. The percent labels stand on black, clear of both people's
// curves. Needs a chart on show; a black picture without one.
QImage ComparisonPicture(const ChartArea& area, std::chrono::year_month_day secondBirth);

} // namespace ui
