#pragma once

// Dates as text in the user's short-date format, always with a four-digit
// year. Several locales' short formats carry a two-digit year (en_US gives
// 12/8/26), which would read back a century early; the year is widened
// instead.

#include <QDate>
#include <QLocale>
#include <QString>

#include <chrono>
#include <optional>

namespace app {

// The same calendar day as a QDate.
QDate ToQDate(std::chrono::year_month_day date);

// The locale's short-date text of date, with a four-digit year.
QString ShortDateText(const QDate& date, const QLocale& locale = QLocale());

// Reads what ShortDateText writes for the same locale, and the locale's short
// date with a four-digit year as Windows writes it (12/7/2026 in en_US, with
// or without leading zeros). A two-digit year, as older short formats wrote
// it, is read as the date boxes read one: 00-29 as 2000-2029, 30-99 as
// 1930-1999. Nothing when the text is no such date.
std::optional<QDate> ParseShortDate(const QString& text, const QLocale& locale = QLocale());

} // namespace app
