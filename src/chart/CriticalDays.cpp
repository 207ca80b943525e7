#include "chart/CriticalDays.h"

#include "chart/DateComposition.h"
#include "chart/ValueTable.h"

#include <algorithm>

namespace chart {
namespace {

int CriticalCount(std::int64_t dayNumber)
{
    return static_cast<int>(std::count_if(kCycles.begin(), kCycles.end(),
        [dayNumber](const BiorhythmCycle& cycle) { return IsCritical(dayNumber, cycle.length); }));
}

// The day at offset from the reference day, read only once it is known to be
// critical: the values cost more than the test.
CriticalDay MakeCriticalDay(std::chrono::year_month_day reference, std::int32_t daysSinceBirth, int offset, int count)
{
    return { DayAt(reference, offset), ReadDay(daysSinceBirth, offset), static_cast<CriticalKind>(count) };
}

} // namespace

int DaysInMonths(std::chrono::year_month_day start, int months)
{
    using namespace std::chrono;
    const year_month later = year_month { start.year(), start.month() } + std::chrono::months { months };
    const day lastDay = year_month_day_last { later.year(), month_day_last { later.month() } }.day();
    const year_month_day end { later.year(), later.month(), std::min(start.day(), lastDay) };
    return static_cast<int>((sys_days { end } - sys_days { start }).count());
}

std::vector<CriticalDay> CriticalDays(
    std::chrono::year_month_day birth, std::chrono::year_month_day start, int dayCount)
{
    const std::int32_t daysSinceBirth = DaysSinceBirth(birth, start);
    std::vector<CriticalDay> days;
    for (int offset = 0; offset < dayCount; ++offset) {
        if (const int count = CriticalCount(std::int64_t { daysSinceBirth } + offset); count > 0)
            days.push_back(MakeCriticalDay(start, daysSinceBirth, offset, count));
    }
    return days;
}

CriticalDay NextTrebleCriticalDay(std::chrono::year_month_day birth, std::chrono::year_month_day after)
{
    const std::int32_t daysSinceBirth = DaysSinceBirth(birth, after);
    // Ends within 7,210 days: the pattern repeats, and the birthday's place
    // in it is a treble day.
    int offset = 1;
    while (CriticalCount(std::int64_t { daysSinceBirth } + offset) != static_cast<int>(kCycles.size()))
        ++offset;
    return MakeCriticalDay(after, daysSinceBirth, offset, static_cast<int>(kCycles.size()));
}

std::string_view CriticalKindName(CriticalKind kind)
{
    switch (kind) {
    case CriticalKind::Single:
        return "single";
    case CriticalKind::Double:
        return "double";
    case CriticalKind::Treble:
        return "treble";
    }
    return "single";
}

std::string CriticalDaysCsv(const std::vector<CriticalDay>& days)
{
    std::string text = "date,offset,kind,cycles\r\n";
    for (const CriticalDay& day : days) {
        text += IsoDate(day.date) + ',' + std::to_string(day.reading.offset) + ',';
        text += CriticalKindName(day.kind);
        text += ',' + CriticalCycles(day.reading) + "\r\n";
    }
    return text;
}

} // namespace chart
