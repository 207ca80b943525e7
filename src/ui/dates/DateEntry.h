#pragma once

// What the six date boxes offer and how a typed day or year is corrected when
// its box loses the focus. Plain rules, so that they are tested without a
// window.

#include "people/BirthdayRange.h"

#include <string>
#include <string_view>

namespace ui {

// The year lists: both start in the year of the first birthday a person can
// have (1900); the birthday's stops in 2020, the report day's in 2099,
// whatever the current year.
inline constexpr int kFirstListedYear = static_cast<int>(people::kFirstBirthday.year());
inline constexpr int kLastBirthYear = 2020;
inline constexpr int kLastReportYear = 2099;
inline constexpr int kDefaultBirthYear = 1980;
inline constexpr int kDefaultBirthDay = 4;

// A day box's text after losing the focus: the whole number of the text, or
// fallbackDay when that is not a day from 1 to 31. The month is not consulted.
std::string CorrectedDayText(std::string_view text, int fallbackDay);

// A year box's text after losing the focus: the whole number of the text, or
// "1984" when that is shorter than four characters. No upper limit.
std::string CorrectedYearText(std::string_view text);

} // namespace ui
