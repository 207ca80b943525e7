#include "chart/Compatibility.h"

#include "chart/DateComposition.h"
#include "chart/ValueTable.h"

#include <cmath>
#include <string_view>

namespace chart {

double ShiftCorrelation(double cycleFraction)
{
    double s = cycleFraction - std::floor(cycleFraction);
    if (s > 0.5)
        s = 1.0 - s;
    const double square = 1.0 + 2.0 * s - 4.0 * s * s;
    return (1.0 - 4.0 * s) * square * square;
}

int DaysOutOfStep(std::int64_t daysApart, std::int16_t length)
{
    std::int64_t r = daysApart % length;
    if (r < 0)
        r += length;
    return static_cast<int>(r * 2 > length ? length - r : r);
}

Compatibility CompatibilityOf(std::chrono::year_month_day first, std::chrono::year_month_day second)
{
    // Whole days between the birthdays; the figure is the same either way
    // round, so the sign does not matter.
    const std::int64_t apart = DaysSinceBirth(first, second);
    Compatibility result {};
    double sum = 0.0;
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        const std::int16_t length = kCycles[i].length;
        result.daysOutOfStep[i] = DaysOutOfStep(apart, length);
        result.cycles[i] = 50.0 * (1.0 + ShiftCorrelation(static_cast<double>(result.daysOutOfStep[i]) / length));
        sum += result.cycles[i];
    }
    result.average = sum / static_cast<double>(kCycles.size());
    return result;
}

std::string CompatibilitySentence(const Compatibility& compatibility, std::size_t cycle)
{
    const int days = compatibility.daysOutOfStep[cycle];
    const int length = kCycles[cycle].length;
    std::string text = std::string(kCycles[cycle].name) + ": " + PercentText(compatibility.cycles[cycle]) + "%, ";
    if (days == 0)
        return text + "the cycles are in step";
    if (days * 2 == length)
        return text + "the cycles are half a cycle apart";
    // To the nearest eighth, which is as finely as a listener can picture it.
    static constexpr std::string_view kEighths[] = { "nearly in step", "about an eighth of a cycle",
        "about a quarter of a cycle", "about three eighths of a cycle", "nearly half a cycle" };
    const auto eighth = static_cast<std::size_t>(std::lround(8.0 * days / length));
    text += "the cycles are " + std::to_string(days) + (days == 1 ? " day apart, " : " days apart, ");
    return text + std::string(kEighths[eighth]);
}

std::string CompatibilityCsv(const Compatibility& compatibility)
{
    std::string csv = "cycle,percent\r\n";
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        std::string name(kCycles[i].name);
        name.front() = static_cast<char>(name.front() - 'A' + 'a');
        csv += name + ',' + PercentText(compatibility.cycles[i]) + "\r\n";
    }
    return csv + "average," + PercentText(compatibility.average) + "\r\n";
}

} // namespace chart
