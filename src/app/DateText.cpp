#include "app/DateText.h"

#include "chart/DateComposition.h"

#include <QCalendar>

#include <functional>

namespace app {

namespace {

// Calls replace(letter, run length) for each run of one format letter outside
// quoted literal text and returns the format with every run replaced.
QString RewriteRuns(const QString& format, const std::function<QString(QChar, qsizetype)>& replace)
{
    QString result;
    const qsizetype size = format.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted literal, where '' stands for one quote; copied unchanged.
            qsizetype end = i + 1;
            while (end < size) {
                if (format.at(end) == u'\'') {
                    if (end + 1 < size && format.at(end + 1) == u'\'') {
                        end += 2;
                        continue;
                    }
                    break;
                }
                ++end;
            }
            const qsizetype stop = end < size ? end + 1 : size;
            result += format.mid(i, stop - i);
            i = stop;
            continue;
        }
        qsizetype run = 1;
        while (i + run < size && format.at(i + run) == c)
            ++run;
        result += replace(c, run);
        i += run;
    }
    return result;
}

// The locale's short-date format with its year written in yearLetters.
QString ShortFormatWithYear(const QLocale& locale, const QString& yearLetters)
{
    return RewriteRuns(locale.dateFormat(QLocale::ShortFormat), [&yearLetters](QChar c, qsizetype run) {
        if (c == u'y')
            return yearLetters;
        return QString(run, c);
    });
}

QString FourDigitYearFormat(const QLocale& locale)
{
    return ShortFormatWithYear(locale, QStringLiteral("yyyy"));
}

// Day and month numbers without the demand for two digits: "d" and "M" read
// "7" as well as "07", so the padded and unpadded texts are both accepted.
QString LenientFormat(const QString& format)
{
    return RewriteRuns(format, [](QChar c, qsizetype run) {
        if ((c == u'd' || c == u'M') && run == 2)
            return QString(1, c);
        return QString(run, c);
    });
}

} // namespace

QDate ToQDate(std::chrono::year_month_day date)
{
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
        static_cast<int>(static_cast<unsigned>(date.day())));
}

QString ShortDateText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, FourDigitYearFormat(locale));
}

std::optional<QDate> ParseShortDate(const QString& text, const QLocale& locale)
{
    const QString format = FourDigitYearFormat(locale);
    for (const QString& candidate : { format, LenientFormat(format) }) {
        const QDate date = locale.toDate(text, candidate);
        if (date.isValid())
            return date;
    }

    // Older short formats wrote two-digit years. Qt reads those as 1900-1999;
    // they take the date boxes' window instead. The Julian calendar keeps
    // 29 February of "00", which Gregorian 1900 lacks, until the year is
    // moved.
    const QCalendar julian(QCalendar::System::Julian);
    const QString shortYear = ShortFormatWithYear(locale, QStringLiteral("yy"));
    for (const QString& candidate : { shortYear, LenientFormat(shortYear) }) {
        const QDate read = locale.toDate(text, candidate, julian);
        if (!read.isValid())
            continue;
        const QCalendar::YearMonthDay parts = julian.partsFromDate(read);
        const QDate date(chart::WindowedTwoDigitYear(parts.year % 100), parts.month, parts.day);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

} // namespace app
