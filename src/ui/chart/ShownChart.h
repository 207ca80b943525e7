#pragma once

#include "chart/BiorhythmCycle.h"
#include "chart/DateComposition.h"
#include "people/PeopleList.h"

#include <chrono>
#include <cstdint>
#include <utility>

namespace ui {

// The chart on show: the person whose chart it is (named when the chart was
// asked for from the People list), the report day it was drawn for and the
// extra cycles shown beside the classical ones. The
// chart area holds the one such value (none before the first chart, see
// ChartArea::Shown); the readout, the spoken description and the context
// menu's actions read it from there.
struct ShownChart {
    // The many charts of two dates alone need not spell out the empty name.
    ShownChart(std::chrono::year_month_day birth, std::chrono::year_month_day report)
        : person { QString(), birth }
        , report(report)
    { }
    ShownChart(people::Person person, std::chrono::year_month_day report)
        : person(std::move(person))
        , report(report)
    { }

    people::Person person; // without a name for a birthday typed into the boxes
    std::chrono::year_month_day report;
    chart::CycleChoice cycles = {};

    std::int32_t DaysSinceBirth() const { return chart::DaysSinceBirth(person.birthday, report); }

    friend bool operator==(const ShownChart&, const ShownChart&) = default;
};

} // namespace ui
