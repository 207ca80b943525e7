#include "chart/ValueTable.h"

#include "chart/DateComposition.h"

#include <cstdio>

namespace chart {
namespace {

// One column per cycle, so that a row and its header never disagree on
// where a cycle's value stands.
std::vector<std::string> Header(const CycleChoice& choice)
{
    std::vector<std::string> header { "date", "offset" };
    for (const std::size_t i : choice.Shown())
        header.push_back(LowerCaseName(kEveryCycle[i]));
    header.emplace_back("critical");
    return header;
}

std::vector<std::string> Fields(const ValueRow& row)
{
    std::vector<std::string> fields { IsoDate(row.date), std::to_string(row.day.offset) };
    for (const CycleReading& cycle : row.day.cycles)
        fields.push_back(PercentText(cycle.percent));
    for (const CycleReading& cycle : row.day.extras)
        fields.push_back(PercentText(cycle.percent));
    fields.push_back(CriticalCycles(row.day));
    return fields;
}

// Header and rows, the fields passed through quote and joined by separator.
template <typename Quote>
std::string Table(std::chrono::year_month_day birth, std::chrono::year_month_day report, const CycleChoice& choice,
    char separator, std::string_view lineEnd, Quote quote)
{
    std::string text;
    const auto appendLine = [&](const auto& fields) {
        bool first = true;
        for (const auto& field : fields) {
            if (!first)
                text += separator;
            first = false;
            text += quote(field);
        }
        text += lineEnd;
    };
    appendLine(Header(choice));
    for (const ValueRow& row : ReadValueRows(birth, report, choice))
        appendLine(Fields(row));
    return text;
}

} // namespace

std::vector<ValueRow> ReadValueRows(
    std::chrono::year_month_day birth, std::chrono::year_month_day report, const CycleChoice& choice)
{
    std::vector<ValueRow> rows;
    for (const DayReading& day : ReadChartDays(DaysSinceBirth(birth, report), choice))
        rows.push_back({ DayAt(report, day.offset), day });
    return rows;
}

std::string IsoDate(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string PercentText(double percent)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", percent);
    // A value just below zero rounds to "-0.0"; a reader would take the sign
    // for a meaning it does not have.
    if (std::string_view(text) == "-0.0")
        return "0.0";
    return text;
}

std::string CriticalCycles(const DayReading& day)
{
    std::string names;
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        if (!day.cycles[i].critical)
            continue;
        if (!names.empty())
            names += '+';
        names += kCycles[i].name;
    }
    return names;
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string ValuesCsv(std::chrono::year_month_day birth, std::chrono::year_month_day report, const CycleChoice& choice)
{
    return Table(birth, report, choice, ',', "\r\n", [](std::string_view field) { return CsvField(field); });
}

std::string ValuesTabSeparated(
    std::chrono::year_month_day birth, std::chrono::year_month_day report, const CycleChoice& choice)
{
    return Table(birth, report, choice, '\t', "\n", [](std::string_view field) { return std::string(field); });
}

} // namespace chart
