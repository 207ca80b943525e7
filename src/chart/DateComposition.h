#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace chart {

// The month entries, January first, in English whatever the system language:
// the month boxes list them and ComposeDate reads them.
inline constexpr std::array<std::string_view, 12> kMonthAbbreviations
    = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };

// The date the three boxes of a month, a day and a year spell, or nothing when
// they spell no calendar date. The month must be one of "Jan" to "Dec" as the
// month boxes list them; day and year are plain decimal numbers, blanks around
// them allowed. A year of one or two digits is read in a window around 2000:
// 00-29 as 2000-2029 and 30-99 as 1930-1999. Years run from 100 to 9999.
std::optional<std::chrono::year_month_day> ComposeDate(
    std::string_view month, std::string_view day, std::string_view year);

// A year written with one or two digits, 0 to 99, in the window around 2000
// that ComposeDate reads such years in.
int WindowedTwoDigitYear(int year);

// Midnights crossed from the birthday to the report day: negative when the
// birthday is the later date.
std::int32_t DaysSinceBirth(std::chrono::year_month_day birth, std::chrono::year_month_day report);

} // namespace chart
