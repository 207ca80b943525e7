#include "chart/Compatibility.h"

#include "chart/DateComposition.h"
#include "chart/ValueTable.h"

#include <cmath>
#include <stdexcept>
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

namespace {

double Percent(int daysOutOfStep, std::int16_t length)
{
    return 50.0 * (1.0 + ShiftCorrelation(static_cast<double>(daysOutOfStep) / length));
}

} // namespace

Compatibility CompatibilityOf(
    std::chrono::year_month_day first, std::chrono::year_month_day second, const CycleChoice& choice)
{
    // Whole days between the birthdays; the figure is the same either way
    // round, so the sign does not matter.
    const std::int64_t apart = DaysSinceBirth(first, second);
    Compatibility result {};
    double sum = 0.0;
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        const std::int16_t length = kCycles[i].length;
        result.daysOutOfStep[i] = DaysOutOfStep(apart, length);
        result.cycles[i] = Percent(result.daysOutOfStep[i], length);
        sum += result.cycles[i];
    }
    result.average = sum / static_cast<double>(kCycles.size());
    // The overall figure stays the classical three's, so that it reads the
    // same whichever extra cycles are on show.
    for (const std::size_t cycle : choice.Extras()) {
        if (kEveryCycle[cycle].kind != CycleKind::Secondary)
            continue;
        const std::int16_t length = kEveryCycle[cycle].length;
        const int days = DaysOutOfStep(apart, length);
        result.extras.push_back({ cycle, Percent(days, length), days });
    }
    return result;
}

ExtraCompatibility CompatibilityFigure(const Compatibility& compatibility, std::size_t cycle)
{
    if (cycle < kCycles.size())
        return { cycle, compatibility.cycles[cycle], compatibility.daysOutOfStep[cycle] };
    for (const ExtraCompatibility& extra : compatibility.extras)
        if (extra.cycle == cycle)
            return extra;
    throw std::out_of_range("no compatibility for this cycle");
}

std::vector<std::size_t> CompatibilityCycles(const Compatibility& compatibility)
{
    std::vector<std::size_t> cycles;
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        cycles.push_back(i);
    for (const ExtraCompatibility& extra : compatibility.extras)
        cycles.push_back(extra.cycle);
    return cycles;
}

std::string CompatibilitySentence(const Compatibility& compatibility, std::size_t cycle)
{
    const ExtraCompatibility figure = CompatibilityFigure(compatibility, cycle);
    const double percent = figure.percent;
    const int days = figure.daysOutOfStep;
    const int length = kEveryCycle[cycle].length;
    std::string text = std::string(kEveryCycle[cycle].name) + ": " + PercentText(percent) + "%, ";
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
    for (const std::size_t cycle : CompatibilityCycles(compatibility))
        csv += LowerCaseName(kEveryCycle[cycle]) + ',' + PercentText(CompatibilityFigure(compatibility, cycle).percent)
            + "\r\n";
    return csv + "average," + PercentText(compatibility.average) + "\r\n";
}

} // namespace chart
