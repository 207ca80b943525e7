#pragma once

// The birthdays the program takes, wherever one comes from: the people's
// list and the renderer's command line. A birthday runs from 1 January 1900
// to today. Plain C++, so that the renderer, which keeps its command line
// free of the toolkit, holds to the same rule.

#include <chrono>
#include <optional>

namespace people {

inline constexpr std::chrono::year_month_day kFirstBirthday { std::chrono::year { 1900 }, std::chrono::January,
    std::chrono::day { 1 } };

enum class BirthdayFault { None, TooEarly, InTheFuture };

// A triple that is no calendar date is too early, as no list can hold it.
// Without today there is no upper end: a file's birthdays were checked when
// they were added, and a clock set back must not cost the user the list.
constexpr BirthdayFault CheckBirthday(
    std::chrono::year_month_day birthday, std::optional<std::chrono::year_month_day> today)
{
    if (!birthday.ok() || birthday < kFirstBirthday)
        return BirthdayFault::TooEarly;
    if (today && birthday > *today)
        return BirthdayFault::InTheFuture;
    return BirthdayFault::None;
}

} // namespace people
