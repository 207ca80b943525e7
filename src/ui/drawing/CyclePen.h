#pragma once

// The pens the printed and exported pages draw the cycles with: the cycle's
// colour and its line style (chart/LineStyle.h) as a dash pattern, which a
// PDF keeps as vector dashes and which stays apart when printed in grey.

#include "chart/LineStyle.h"

#include <QPen>
#include <QRectF>

#include <cstddef>

class QPainter;

namespace ui {

// A curve's pen, cycle an index into chart::kEveryCycle, width in the
// painter's units. Dashes get flat ends, so that the dots of a dotted line
// stay dots rather than merging into a line.
QPen CyclePen(std::size_t cycle, qreal width);

// A short stretch of the curve's pen across the middle of place, as a legend
// shows it beside the cycle's name.
void DrawStyleSample(QPainter& painter, const QRectF& place, std::size_t cycle, qreal width);

} // namespace ui
