#pragma once

// The words in which the chart reads out one of its days, to the eye (the
// readout beside the pointer or the day cursor) and to the ear (the chart
// area's description, see ChartDescription.h). Every number comes from
// chart::ReadDay; nothing here touches a widget.

#include "chart/DayReading.h"

#include <QDate>
#include <QLocale>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

namespace ui {

// Where a day lies: "report day", "1 day before the report day",
// "3 days after the report day".
QString DayPlace(int offset);

// "rising", "falling", "high" or "low".
QString DirectionWord(chart::CycleDirection direction);

// A cycle's value in whole percent, rounded half away from zero as the
// chart's description has always done: "62%", "-12%", with signed "+62%".
QString PercentText(double percent, bool signed_);

struct ReadoutLine {
    QString text;
    QRgb colour;
    bool bold;
};

// The readout for the day offset days from the report day: its date in the
// locale's long format, where it lies, then one line per cycle in the colour
// of its curve, for example "Physical +62% rising" or
// "Emotional -12% falling, critical".
std::vector<ReadoutLine> DayReadoutLines(
    const QDate& reportDay, std::int32_t daysSinceBirth, int offset, const QLocale& locale = QLocale());

// The chart's day nearest to window position x (0 to 28, the report day at
// 14), clamped to the chart's first and last day.
int DayOffsetNear(double x);

// Where a box of the given size goes beside anchor, gap pixels to its right,
// or to its left when it would not fit there, centred on the anchor's height;
// kept inside area whenever it fits.
QRect PlaceBeside(QSize box, QPoint anchor, QRect area, int gap);

} // namespace ui
