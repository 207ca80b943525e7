#include "chart/DayReading.h"

#include "chart/CycleValue.h"

#include <cmath>

namespace chart {
namespace {

std::int64_t FlooredRemainder(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t r = value % divisor;
    return r < 0 ? r + divisor : r;
}

} // namespace

bool IsCritical(std::int64_t dayNumber, std::int16_t length)
{
    // The crossings are the whole multiples of L/2. In half days, the first
    // one at or after the start of the day lies L - R half days later, R being
    // 2n mod L; it falls within the day when that is under two half days.
    const std::int64_t halfDays = FlooredRemainder(2 * dayNumber, length);
    return halfDays == 0 || halfDays == length - 1;
}

int WholePercent(double percent)
{
    return static_cast<int>(std::lround(percent));
}

CycleReading ReadCycle(std::int64_t dayNumber, std::int16_t length)
{
    const std::int64_t l = length;
    // In quarter days, so that L/4 and 3L/4 compare exactly for every length.
    // The day covers the quarters [start, start + 4); within one cycle the
    // high lies at L quarters and the low at 3L.
    const std::int64_t start = 4 * FlooredRemainder(dayNumber, l);
    const auto within = [start](std::int64_t vertex) { return start <= vertex && vertex < start + 4; };
    CycleDirection direction = CycleDirection::Rising;
    if (within(l))
        direction = CycleDirection::High;
    else if (within(3 * l))
        direction = CycleDirection::Low;
    else if (start > l && start < 3 * l)
        direction = CycleDirection::Falling;

    return { CycleValue(static_cast<double>(dayNumber), length) * 100.0, direction, IsCritical(dayNumber, length) };
}

CycleReading ReadExtraCycle(std::int64_t dayNumber, const BiorhythmCycle& cycle)
{
    if (cycle.kind != CycleKind::Combined) {
        CycleReading reading = ReadCycle(dayNumber, cycle.length);
        reading.critical = false;
        return reading;
    }
    // The mean of parabolic arches turns where its slope changes sign: the
    // slope is read at eighths of the day, finer than any of its turns. A
    // day that holds both a top and a bottom (a ripple of a few hundredths
    // of a percent) is read by where it ends.
    const auto n = static_cast<double>(dayNumber);
    constexpr int kSteps = 8;
    constexpr double kStep = 1.0 / kSteps;
    const auto slopeAt = [&](double at) { return ValueOf(cycle, at + kStep / 2.0) - ValueOf(cycle, at - kStep / 2.0); };
    bool top = false;
    bool bottom = false;
    double slope = slopeAt(n);
    for (int step = 1; step <= kSteps; ++step) {
        const double next = slopeAt(n + step * kStep);
        top = top || (slope > 0.0 && next <= 0.0);
        bottom = bottom || (slope < 0.0 && next >= 0.0);
        slope = next;
    }
    CycleDirection direction
        = ValueOf(cycle, n + 1.0) >= ValueOf(cycle, n) ? CycleDirection::Rising : CycleDirection::Falling;
    if (top != bottom)
        direction = top ? CycleDirection::High : CycleDirection::Low;
    return { ValueOf(cycle, n) * 100.0, direction, false };
}

DayReading ReadDay(std::int32_t daysSinceBirth, int offset, const CycleChoice& choice)
{
    DayReading day { offset, std::int64_t { daysSinceBirth } + offset, {} };
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        day.cycles[i] = ReadCycle(day.dayNumber, kCycles[i].length);
    for (const std::size_t i : choice.Extras())
        day.extras.push_back(ReadExtraCycle(day.dayNumber, kEveryCycle[i]));
    return day;
}

std::vector<DayReading> ReadChartDays(std::int32_t daysSinceBirth, const CycleChoice& choice)
{
    std::vector<DayReading> days;
    days.reserve(kLastDayOffset - kFirstDayOffset + 1);
    for (int offset = kFirstDayOffset; offset <= kLastDayOffset; ++offset)
        days.push_back(ReadDay(daysSinceBirth, offset, choice));
    return days;
}

std::chrono::year_month_day DayAt(std::chrono::year_month_day reportDay, int offset)
{
    return std::chrono::year_month_day { std::chrono::sys_days { reportDay } + std::chrono::days { offset } };
}

} // namespace chart
