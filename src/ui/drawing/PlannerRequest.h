#pragma once

#include <chrono>
#include <optional>

namespace ui {

// A planner to show or print: the chart's two dates, the months from the
// first of the report day's month, and today, which the planner marks.
struct PlannerRequest {
    std::chrono::year_month_day birth;
    std::chrono::year_month_day report;
    int months;
    std::optional<std::chrono::year_month_day> today;
};

} // namespace ui
