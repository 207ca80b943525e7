#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

namespace ui {

// What a screen reader says about the chart area: the report day, in a fixed
// English long form whatever the user's locale, and each cycle's value on it
// in whole percent, as the curves cross the report-day line. For example
// "Report day 8 December 2026: physical 52%, emotional -90%, intellectual 28%".
QString ChartDescription(const QDate& reportDay, std::int32_t daysSinceBirth);

// The description before the first chart.
QString NoChartDescription();

} // namespace ui
