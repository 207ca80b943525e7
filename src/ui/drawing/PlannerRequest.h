#pragma once

#include "chart/BiorhythmCycle.h"

#include <chrono>
#include <optional>

namespace ui {

// A planner to show or print: the chart's two dates, the months from the
// first of the report day's month, today, which the planner marks, and the
// extra cycles its days show beside the classical ones.
struct PlannerRequest {
    std::chrono::year_month_day birth;
    std::chrono::year_month_day report;
    int months;
    std::optional<std::chrono::year_month_day> today;
    chart::CycleChoice cycles = {};
};

} // namespace ui
