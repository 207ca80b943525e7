#include "chart/BiorhythmCycle.h"

#include "chart/CycleValue.h"

#include <algorithm>

namespace chart {

void CycleChoice::Set(std::size_t cycle, bool shown)
{
    if (cycle < kClassicalCount || cycle >= kEveryCycle.size())
        return;
    const auto bit = static_cast<std::uint16_t>(1u << cycle);
    bits = shown ? static_cast<std::uint16_t>(bits | bit) : static_cast<std::uint16_t>(bits & ~bit);
}

std::vector<std::size_t> CycleChoice::Shown() const
{
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < kEveryCycle.size(); ++i)
        if (Has(i))
            shown.push_back(i);
    return shown;
}

std::vector<std::size_t> CycleChoice::Extras() const
{
    std::vector<std::size_t> extras;
    for (std::size_t i = kClassicalCount; i < kEveryCycle.size(); ++i)
        if (Has(i))
            extras.push_back(i);
    return extras;
}

std::string CycleChoice::Names() const
{
    std::string names;
    for (const std::size_t i : Extras()) {
        if (!names.empty())
            names += ',';
        names += LowerCaseName(kEveryCycle[i]);
    }
    return names;
}

std::optional<CycleChoice> CycleChoice::FromNames(std::string_view list)
{
    CycleChoice choice;
    if (list.empty())
        return choice;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, comma - start);
        std::size_t found = kEveryCycle.size();
        for (std::size_t i = kClassicalCount; i < kEveryCycle.size(); ++i)
            if (LowerCaseName(kEveryCycle[i]) == name)
                found = i;
        if (found == kEveryCycle.size() || choice.Has(found))
            return std::nullopt;
        choice.Set(found, true);
        start = comma + 1;
    }
    return choice;
}

std::string LowerCaseName(const BiorhythmCycle& cycle)
{
    std::string name(cycle.name);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

double ValueOf(const BiorhythmCycle& cycle, double n)
{
    if (cycle.kind != CycleKind::Combined)
        return CycleValue(n, cycle.length);
    double sum = 0.0;
    int count = 0;
    for (std::size_t i = 0; i < kClassicalCount; ++i) {
        if (((cycle.of >> i) & 1u) == 0)
            continue;
        sum += CycleValue(n, kCycles[i].length);
        ++count;
    }
    return count == 0 ? 0.0 : sum / count;
}

} // namespace chart
