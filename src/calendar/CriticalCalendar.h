#pragma once

// The critical days as an iCalendar file (RFC 5545) that calendar programs
// import: one all-day event per critical day, shown as free time, named after
// its kind and cycles ("Double critical day: physical, emotional") and
// describing the three values at the start of that day as the value table
// writes them (percent with one decimal). Each event's UID is a hash of the
// birthday and the day with the web site's host after it, so that importing
// the same days twice updates the events instead of doubling them, while the
// birthday cannot be read from it. Given a person's name, each event names
// them ("Double critical day for Anna: physical, emotional") and the name
// goes into the UID's hash, so that the days of a family, twins too, share
// one calendar. The text has CRLF line ends and lines
// folded at 75 octets.

#include "chart/CriticalDays.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace calendar {

// stamp is the events' DTSTAMP, the moment the file is made; the caller's
// clock, so that a test can pin it.
std::string CriticalDaysCalendar(std::chrono::year_month_day birth, const std::vector<chart::CriticalDay>& days,
    std::chrono::sys_seconds stamp, std::string_view person = {});

// A TEXT value: backslashes, semicolons and commas escaped, line breaks
// written as \n.
std::string EscapedText(std::string_view text);

// A content line as the file holds it, CRLF at its end: a line longer than
// 75 octets goes on in the next one, which starts with a blank, and is never
// cut within a UTF-8 character.
std::string FoldedLine(std::string_view line);

} // namespace calendar
