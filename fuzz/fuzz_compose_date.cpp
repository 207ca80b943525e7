// The birthday and report day as the chart request composes them from the
// six date boxes' texts, and the day count between them. Input: the six texts
// (birth month, day, year, report month, day, year), one per line.

#include "FuzzCheck.h"
#include "chart/DateComposition.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using std::chrono::year_month_day;

// Days from 1 January 100 to 31 December 9999, the widest count there is.
constexpr std::int32_t kWidestCount = 3615899;

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The decimal number of a text of digits, or nothing; saturates far above
// any day or year.
std::optional<long> DigitsValue(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (value < 1'000'000)
            value = value * 10 + (c - '0');
    }
    return value;
}

// A composed date is a real calendar date within the years the header names,
// spelled by the boxes: the month box holds its listed abbreviation and the
// day box the day's number.
void CheckComposed(const year_month_day& date, std::string_view month, std::string_view day)
{
    FUZZ_CHECK(date.ok());
    const int year = static_cast<int>(date.year());
    FUZZ_CHECK(year >= 100 && year <= 9999);
    const unsigned monthNumber = static_cast<unsigned>(date.month());
    FUZZ_CHECK(month == chart::kMonthAbbreviations[monthNumber - 1]);
    FUZZ_CHECK(DigitsValue(TrimBlanks(day)) == static_cast<long>(static_cast<unsigned>(date.day())));

    // The boxes as a user would pick the same date from the lists.
    const auto picked
        = chart::ComposeDate(month, std::to_string(static_cast<unsigned>(date.day())), std::to_string(year));
    FUZZ_CHECK(picked == date);
}

void CheckDayCount(const year_month_day& birth, const year_month_day& report)
{
    const std::int32_t days = chart::DaysSinceBirth(birth, report);
    FUZZ_CHECK(days >= -kWidestCount && days <= kWidestCount);
    FUZZ_CHECK(chart::DaysSinceBirth(report, birth) == -days);
    FUZZ_CHECK(std::chrono::sys_days { birth } + std::chrono::days { days } == std::chrono::sys_days { report });
    FUZZ_CHECK(chart::DaysSinceBirth(birth, birth) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto fields = fuzz::SplitFields(fuzz::AsText(data, size), '\n', 6);
    const auto birth = chart::ComposeDate(fields[0], fields[1], fields[2]);
    const auto report = chart::ComposeDate(fields[3], fields[4], fields[5]);
    if (birth)
        CheckComposed(*birth, fields[0], fields[1]);
    if (report)
        CheckComposed(*report, fields[3], fields[4]);
    if (birth && report)
        CheckDayCount(*birth, *report);
    return 0;
}
