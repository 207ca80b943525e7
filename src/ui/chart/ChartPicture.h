#pragma once

#include <QImage>

namespace ui {

class ChartArea;

// The chart area as the window shows it with nothing over it: the curves at
// device resolution with the white 0% and report-day lines and the percent
// labels in their places. Drawn again for the chart on show, in the area's
// line styles and at its device pixel ratio (ChartDrawing.h), so that
// whatever else is shown over the chart at the moment (a readout, a day
// cursor) stays out of the picture.
QImage ChartPicture(const ChartArea& area);

} // namespace ui
