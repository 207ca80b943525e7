#include "calendar/CriticalCalendar.h"

#include "chart/ValueTable.h"
#include "web/PageAddress.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string_view>

#ifndef BIORHYTHM_VERSION
#error "BIORHYTHM_VERSION must name the program's version; the build passes it in"
#endif

namespace calendar {
namespace {

using namespace std::chrono;

// RFC 5545 counts octets, not characters; the line break is not counted.
constexpr std::size_t kLineOctets = 75;

// FNV-1a, 64 bits, then MurmurHash3's finaliser: FNV-1a alone leaves the
// hashes of neighbouring days sharing most of their digits.
std::uint64_t Hash(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdu;
    hash = (hash ^ (hash >> 33)) * 0xc4ceb9fe1a85ec53u;
    return hash ^ (hash >> 33);
}

std::string Uid(year_month_day birth, year_month_day date, std::string_view person)
{
    // Without a name the text is what it always was, so that days saved
    // before names existed are updated, not doubled.
    std::string key = chart::IsoDate(birth) + ' ' + chart::IsoDate(date);
    if (!person.empty())
        key.append(1, ' ').append(person);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Hash(key)));
    return "critical-" + std::string(hex) + '@' + std::string(web::SiteHost());
}

// The DATE form, YYYYMMDD.
std::string BasicDate(year_month_day date)
{
    std::string text = chart::IsoDate(date);
    std::erase(text, '-');
    return text;
}

// The DATE-TIME form in UTC, YYYYMMDDTHHMMSSZ.
std::string UtcDateTime(sys_seconds moment)
{
    const sys_days day = floor<days>(moment);
    const hh_mm_ss time { moment - day };
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d%02d", static_cast<int>(time.hours().count()),
        static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
    return BasicDate(year_month_day { day }) + 'T' + text + 'Z';
}

std::string Summary(const chart::CriticalDay& day, std::string_view person)
{
    static constexpr std::string_view kTitles[] = { "Critical day", "Double critical day", "Treble critical day" };
    // Indexed by the kind, which counts the critical cycles.
    static_assert(std::size(kTitles) == chart::kCycles.size(),
        "CriticalDaysCalendar: add the title of a day on which every cycle is critical");
    std::string summary(kTitles[static_cast<int>(day.kind) - 1]);
    if (!person.empty())
        summary.append(" for ").append(person);
    summary += ": ";
    std::string_view separator;
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
        if (day.reading.cycles[i].critical) {
            summary += separator;
            summary += chart::LowerCaseName(chart::kCycles[i]);
            separator = ", ";
        }
    }
    return summary;
}

std::string Description(const chart::CriticalDay& day)
{
    std::string description = "Values at the start of the day:";
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
        description += i == 0 ? " " : ", ";
        description
            += chart::LowerCaseName(chart::kCycles[i]) + ' ' + chart::PercentText(day.reading.cycles[i].percent) + '%';
    }
    return description;
}

void AppendLine(std::string& text, std::string_view line)
{
    text += FoldedLine(line);
}

} // namespace

std::string CriticalDaysCalendar(year_month_day birth, const std::vector<chart::CriticalDay>& criticalDays,
    sys_seconds stamp, std::string_view person)
{
    std::string text;
    AppendLine(text, "BEGIN:VCALENDAR");
    AppendLine(text, "VERSION:2.0");
    AppendLine(text, "PRODID:-//Tavio//Biorhythm Chart " BIORHYTHM_VERSION "//EN");
    const std::string dtstamp = "DTSTAMP:" + UtcDateTime(stamp);
    for (const chart::CriticalDay& day : criticalDays) {
        AppendLine(text, "BEGIN:VEVENT");
        AppendLine(text, "UID:" + Uid(birth, day.date, person));
        AppendLine(text, dtstamp);
        AppendLine(text, "DTSTART;VALUE=DATE:" + BasicDate(day.date));
        AppendLine(text, "DTEND;VALUE=DATE:" + BasicDate(year_month_day { sys_days { day.date } + days { 1 } }));
        AppendLine(text, "SUMMARY:" + EscapedText(Summary(day, person)));
        AppendLine(text, "DESCRIPTION:" + EscapedText(Description(day)));
        AppendLine(text, "TRANSP:TRANSPARENT");
        AppendLine(text, "END:VEVENT");
    }
    AppendLine(text, "END:VCALENDAR");
    return text;
}

std::string EscapedText(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        // A line break would end the property: RFC 5545 writes it as \n.
        if (c == '\n') {
            escaped += "\\n";
            continue;
        }
        if (c == '\\' || c == ';' || c == ',')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string FoldedLine(std::string_view line)
{
    std::string folded;
    std::size_t room = kLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0u) == 0x80u)
            --cut;
        // Nothing but continuation octets (text that is not UTF-8, say a
        // name from the command line): any cut is as good as another.
        if (cut == 0)
            cut = room;
        folded.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        room = kLineOctets - 1;
    }
    return folded.append(line).append("\r\n");
}

} // namespace calendar
