#pragma once

#include "chart/DateComposition.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <utility>

namespace ui {

// The chart on show: the birthday and the report day it was drawn for, and
// whose birthday it is when the chart was asked for from the People list. The
// chart area holds the one such value (none before the first chart, see
// ChartArea::Shown); the readout, the spoken description and the context
// menu's actions read it from there.
struct ShownChart {
    // A constructor rather than an aggregate, so that the many charts of two
    // dates alone need not spell out the empty name.
    ShownChart(std::chrono::year_month_day birth, std::chrono::year_month_day report, QString person = {})
        : birth(birth)
        , report(report)
        , person(std::move(person))
    {
    }

    std::chrono::year_month_day birth;
    std::chrono::year_month_day report;
    QString person; // empty for a birthday typed into the boxes

    std::int32_t DaysSinceBirth() const { return chart::DaysSinceBirth(birth, report); }

    friend bool operator==(const ShownChart&, const ShownChart&) = default;
};

} // namespace ui
