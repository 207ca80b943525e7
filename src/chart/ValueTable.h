#pragma once

// The chart's 29 days as a table of values, written as text: CSV for files
// (RFC 4180: comma-separated, CRLF line ends, a field quoted when it holds a
// comma, a quote or a line break) and tab-separated lines for the clipboard,
// which spreadsheets take as rows and columns when pasted. Both have the
// header row date,offset,physical,emotional,intellectual,critical (with a
// column for each extra cycle chosen, named in lower case, before critical);
// dates are
// ISO (YYYY-MM-DD), values are percent with one decimal, and the critical
// column names the cycles critical that day joined by "+", or is empty.

#include "chart/DayReading.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

struct ValueRow {
    std::chrono::year_month_day date;
    DayReading day;
};

// The chart's days, first to last, for a birthday and a report day.
std::vector<ValueRow> ReadValueRows(
    std::chrono::year_month_day birth, std::chrono::year_month_day report, const CycleChoice& choice = {});

std::string IsoDate(std::chrono::year_month_day date);
// One decimal, never "-0.0".
std::string PercentText(double percent);
// "Physical+Intellectual", or empty on a day critical for no cycle.
std::string CriticalCycles(const DayReading& day);
// A field as RFC 4180 writes it: quoted, quotes doubled, only when needed.
std::string CsvField(std::string_view text);

std::string ValuesCsv(
    std::chrono::year_month_day birth, std::chrono::year_month_day report, const CycleChoice& choice = {});
std::string ValuesTabSeparated(
    std::chrono::year_month_day birth, std::chrono::year_month_day report, const CycleChoice& choice = {});

} // namespace chart
