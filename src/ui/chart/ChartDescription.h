#pragma once

#include "ui/chart/ShownChart.h"

#include <QDate>
#include <QString>

namespace ui {

// What a screen reader says about the chart area: the day under the day
// cursor (offset days from the report day; the report day itself until the
// cursor moves), in a fixed English long form whatever the user's locale,
// where it lies, and each cycle's value on it in whole percent as the curve
// crosses that day's column, its direction and whether the day is critical
// for it. For example "Thursday 10 December 2026, 2 days after the report
// day: physical 62% rising, emotional -12% falling, critical, intellectual
// 98% rising".
QString ChartDescription(const ShownChart& chart, int offset = 0);

// A date as the descriptions say it, in the same fixed English long form
// whatever the user's locale: "Thursday 10 December 2026".
QString SpokenDate(QDate date);

// The description before the first chart.
QString NoChartDescription();

} // namespace ui
