#include "chart/Planner.h"

#include "chart/DateComposition.h"

#include <algorithm>

namespace chart {

using namespace std::chrono;

Planner::Planner(year_month_day birthDay, year_month_day reportDay, int monthCount, const CycleChoice& choice)
    : birth(birthDay)
    , report(reportDay)
    , cycles(choice)
{
    monthCount = std::clamp(monthCount, 1, kMostPlannerMonths);
    const year_month_day first { report.year(), report.month(), day { 1 } };
    const int dayCount = DaysInMonths(first, monthCount);
    const std::int32_t firstFromBirth = DaysSinceBirth(birth, first);
    const int firstOffset = static_cast<int>((sys_days { first } - sys_days { report }).count());

    // The critical days as the list of critical days has them, so that the
    // planner and the list never disagree on a day.
    std::vector<int> critical(static_cast<std::size_t>(dayCount), 0);
    for (const CriticalDay& day : CriticalDays(birth, first, dayCount))
        critical[static_cast<std::size_t>(day.reading.offset)] = static_cast<int>(day.kind);

    const std::int32_t reportFromBirth = firstFromBirth - firstOffset;
    days.reserve(static_cast<std::size_t>(dayCount));
    for (int i = 0; i < dayCount; ++i)
        days.push_back({ year_month_day { sys_days { first } + std::chrono::days { i } },
            ReadDay(reportFromBirth, firstOffset + i, cycles), critical[static_cast<std::size_t>(i)] });
    reportIndex = static_cast<std::size_t>(-firstOffset);

    year_month month { first.year(), first.month() };
    std::size_t index = 0;
    for (int m = 0; m < monthCount; ++m, month += std::chrono::months { 1 }) {
        const auto length = static_cast<std::size_t>(static_cast<unsigned>((month / last).day()));
        months.push_back({ month, index, length });
        index += length;
    }
}

std::size_t Planner::IndexOf(year_month_day date) const
{
    if (days.empty())
        return 0;
    const auto index = (sys_days { date } - sys_days { days.front().date }).count();
    return index < 0 || index >= static_cast<long>(days.size()) ? days.size() : static_cast<std::size_t>(index);
}

std::size_t Planner::MoveDays(std::size_t from, int count) const
{
    const long to = static_cast<long>(from) + count;
    return static_cast<std::size_t>(std::clamp(to, 0L, static_cast<long>(days.size()) - 1));
}

std::size_t Planner::MoveMonths(std::size_t from, int count) const
{
    const year_month_day date = days[from].date;
    const year_month month = year_month { date.year(), date.month() } + std::chrono::months { count };
    const year_month_day to { month.year(), month.month(), std::min(date.day(), (month / last).day()) };
    if (sys_days { to } < sys_days { days.front().date })
        return 0;
    if (sys_days { to } > sys_days { days.back().date })
        return days.size() - 1;
    return IndexOf(to);
}

std::string CriticalInitials(const DayReading& day)
{
    std::string initials;
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        if (day.cycles[i].critical)
            initials += kCycles[i].name.front();
    return initials;
}

int WeekColumn(year_month_day date, weekday firstWeekday)
{
    return static_cast<int>((weekday { sys_days { date } } - firstWeekday).count());
}

int WeekRows(year_month month, weekday firstWeekday)
{
    const int lead = WeekColumn(month / 1, firstWeekday);
    const int length = static_cast<int>(static_cast<unsigned>((month / last).day()));
    return (lead + length + 6) / 7;
}

} // namespace chart
