#pragma once

// The words in which the chart reads out one of its days, to the eye (the
// readout beside the pointer or the day cursor) and to the ear (the chart
// area's description, see ChartDescription.h). Every number comes from
// chart::ReadDay; nothing here touches a widget.

#include "chart/BiorhythmCycle.h"
#include "chart/DayReading.h"
#include "chart/LineStyle.h"
#include "ui/chart/ShownChart.h"

#include <QDate>
#include <QLocale>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

namespace ui {

// The calendar date offset days from the chart's report day.
QDate DayDate(const ShownChart& chart, int offset);

// Where a day lies: "report day", "1 day before the report day",
// "3 days after the report day".
QString DayPlace(int offset);

// "rising", "falling", "high" or "low".
QString DirectionWord(chart::CycleDirection direction);

// Who reads a cycle's phrase: the eye in the readout box, or the ear through
// a screen reader, which is given the chart's description as one sentence.
enum class Reader { Eye, Ear };

// One cycle's reading: its name, its value in whole percent
// (chart::WholePercent), its direction, and ", critical" on a day it crosses
// 0%. For the eye the name is capitalised and a positive value signed,
// "Physical +62% rising"; for the ear, "physical 62% rising".
QString CyclePhrase(const chart::BiorhythmCycle& cycle, const chart::CycleReading& reading, Reader reader);

struct ReadoutLine {
    QString text;
    QRgb colour;
    bool bold;
    // A cycle's line, drawn as a short sample before its text.
    std::optional<chart::LineStyle> style;
};

// The readout for the day offset days from the report day: its date in the
// locale's long format, where it lies, then one line per cycle in the colour
// of its curve, for example "Physical +62% rising" or
// "Emotional -12% falling, critical", and after the classical cycles the
// chart's extra ones.
std::vector<ReadoutLine> DayReadoutLines(const ShownChart& chart, int offset, const QLocale& locale = QLocale());

// Gives each cycle's line its curve's line style, for a chart drawn in them
// with the given extra cycles.
void ShowLineStyles(std::vector<ReadoutLine>& lines, const chart::CycleChoice& cycles = {});

// The chart's day nearest to window position x (0 to 28, the report day at
// 14), clamped to the chart's first and last day.
int DayOffsetNear(double x);

// Where a box of the given size goes beside anchor, gap pixels to its right,
// or to its left when it would not fit there, centred on the anchor's height;
// kept inside area whenever it fits.
QRect PlaceBeside(QSize box, QPoint anchor, QRect area, int gap);

} // namespace ui
