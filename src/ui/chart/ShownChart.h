#pragma once

#include "chart/DateComposition.h"

#include <chrono>
#include <cstdint>

namespace ui {

// The chart on show: the birthday and the report day it was drawn for. The
// chart area holds the one such value (none before the first chart, see
// ChartArea::Shown); the readout, the spoken description and the context
// menu's actions read it from there.
struct ShownChart {
    std::chrono::year_month_day birth;
    std::chrono::year_month_day report;

    std::int32_t DaysSinceBirth() const { return chart::DaysSinceBirth(birth, report); }

    friend bool operator==(const ShownChart&, const ShownChart&) = default;
};

} // namespace ui
