#include "chart/DateComposition.h"

namespace chart {
namespace {

// Anything above this is out of range for both a day and a year, so reading
// stops growing the value there instead of overflowing on a long digit run.
constexpr int kTooLarge = 100000;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

struct PlainNumber {
    int value;
    std::size_t digits;
};

// Digits only, after the blanks around them are dropped; no sign, no inner
// blank, no decimal point.
std::optional<PlainNumber> ReadPlainNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (value < kTooLarge)
            value = value * 10 + (c - '0');
    }
    return PlainNumber { value, text.size() };
}

std::optional<unsigned> MonthNumber(std::string_view text)
{
    for (std::size_t i = 0; i < kMonthAbbreviations.size(); ++i) {
        if (kMonthAbbreviations[i] == text)
            return static_cast<unsigned>(i + 1);
    }
    return std::nullopt;
}

int WindowedYear(const PlainNumber& year)
{
    return year.digits > 2 ? year.value : WindowedTwoDigitYear(year.value);
}

} // namespace

int WindowedTwoDigitYear(int year)
{
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<std::chrono::year_month_day> ComposeDate(
    std::string_view month, std::string_view day, std::string_view year)
{
    const std::optional<unsigned> monthNumber = MonthNumber(month);
    const std::optional<PlainNumber> dayNumber = ReadPlainNumber(day);
    const std::optional<PlainNumber> yearNumber = ReadPlainNumber(year);
    if (!monthNumber || !dayNumber || !yearNumber)
        return std::nullopt;
    const int fullYear = WindowedYear(*yearNumber);
    if (fullYear < 100 || fullYear > 9999 || dayNumber->value < 1 || dayNumber->value > 31)
        return std::nullopt;
    const std::chrono::year_month_day date { std::chrono::year { fullYear }, std::chrono::month { *monthNumber },
        std::chrono::day { static_cast<unsigned>(dayNumber->value) } };
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::int32_t DaysSinceBirth(std::chrono::year_month_day birth, std::chrono::year_month_day report)
{
    const std::chrono::sys_days from { birth };
    const std::chrono::sys_days to { report };
    return static_cast<std::int32_t>((to - from).count());
}

} // namespace chart
