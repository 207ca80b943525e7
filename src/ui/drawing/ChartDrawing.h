#pragma once

// The chart picture without a window: the black square, the three cycles as
// chains of parabolic half-waves (plainly or in their line styles), the white
// 0% and report-day lines and the percent labels; for two people the second
// one's curves dashed beneath the first one's. Drawn onto any painter at the
// resolution of its device, the way the printed page is (ReportPage.h), so
// that the window's chart area, its clipboard and saved pictures, the Compare
// window and the renderer all show the same pixels.
//
// In: the day counts, the line styles, whether to draw the lines and labels.
// Out: the picture, its top left corner at the painter's origin,
// ChartSize() logical pixels across.

#include "chart/ChartPlot.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QPainter;

namespace ui {

struct ChartDrawing {
    // From the (first) person's birthday to the report day; none for the
    // black square alone, as the window shows it before the first chart.
    std::optional<std::int32_t> daysSinceBirth;
    // A second person's, for the same report day: their curves are drawn
    // dashed, whatever the cycle's line style, beneath the first person's,
    // and the percent labels stand on black, since six curves run through
    // them often enough.
    std::optional<std::int32_t> secondDaysSinceBirth;
    // The first person's curves in their line styles (chart/LineStyle.h).
    bool lineStyles = false;
    // The extra cycles drawn after the classical ones, for both people.
    chart::CycleChoice cycles;
    // The white lines and the percent labels over the curves. The window's
    // chart area leaves them out: it has them as controls of its own.
    bool frame = true;
    // The days across the chart, the report day in the middle.
    double scaleWidth = chart::kChartDays;
};

// The chart's logical size, as the window shows it.
QSize ChartSize();

// Where the lines and the percent labels lie, in logical pixels, for a
// scale of scaleWidth days: the lines on the pixels of the curves' 0% and
// report-day points, so that the curves cross them exactly.
struct ChartFrame {
    QRect zeroLine;
    QRect reportLine;
    // "100%", "0%" and "-100%", top to bottom.
    std::array<QRect, 3> labels;
};
ChartFrame ChartFrameLayout(double scaleWidth);
const std::array<QString, 3>& PercentLabelTexts();
QFont PercentLabelFont();

void DrawChart(QPainter& painter, const ChartDrawing& drawing);

// The drawing on a picture of its own, at a device pixel ratio.
QImage ChartImage(const ChartDrawing& drawing, qreal devicePixelRatio);

} // namespace ui
