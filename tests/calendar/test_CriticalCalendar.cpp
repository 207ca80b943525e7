#include "calendar/CriticalCalendar.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

// What the renderer's test cannot see through a calendar parser, which
// unfolds and unescapes for it: the octets of lines and texts as written.
namespace {

using namespace std::chrono;

// 2026-12-08 09:05:07 UTC: one-digit fields, so that padding shows.
const sys_seconds kStamp = sys_days { 2026y / December / 8d } + 9h + 5min + 7s;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(CalendarLines, FoldAt75OctetsAndNeverWithinACharacter)
{
    EXPECT_EQ(calendar::FoldedLine(std::string(75, 'a')), std::string(75, 'a') + "\r\n");
    EXPECT_EQ(calendar::FoldedLine(std::string(76, 'a')), std::string(75, 'a') + "\r\n a\r\n");
    // A two-, three- and four-octet character (e acute, euro sign, an emoji)
    // after every prefix length that puts a fold inside one of them.
    for (const std::string character : { "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80" }) {
        for (std::size_t prefix = 71; prefix <= 75; ++prefix) {
            std::string line(prefix, 'x');
            while (line.size() < 300)
                line += character;
            SCOPED_TRACE(line);
            const std::string folded = calendar::FoldedLine(line);
            ASSERT_TRUE(folded.ends_with("\r\n"));
            const std::vector<std::string> parts = Lines(folded);
            std::string unfolded = parts.front();
            for (std::size_t i = 1; i < parts.size(); ++i) {
                ASSERT_EQ(parts[i].front(), ' ');
                // A UTF-8 continuation octet would mean a character was cut.
                EXPECT_NE(static_cast<unsigned char>(parts[i][1]) & 0xC0u, 0x80u);
                unfolded += parts[i].substr(1);
            }
            for (const std::string& part : parts)
                EXPECT_LE(part.size(), 75u);
            EXPECT_EQ(unfolded, line);
        }
    }
}

TEST(CalendarLines, TextEscapesItsSeparatorsAndLineBreaksButNotColons)
{
    EXPECT_EQ(calendar::EscapedText("a,b;c\\d: e\nf"), "a\\,b\\;c\\\\d: e\\nf");
}

TEST(CalendarLines, TextThatIsNotUtf8StillFoldsWithinTheLine)
{
    // Continuation octets alone, as a name given in another encoding may
    // bring: the fold must not walk back past the line's start.
    const std::string line(200, '\x80');
    const std::vector<std::string> parts = Lines(calendar::FoldedLine(line));
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].size(), 75u);
    EXPECT_EQ(parts[1].size(), 75u);
}

TEST(CriticalCalendar, NoDaysIsStillACalendarThatNamesItsVersionAndMaker)
{
    const std::vector<std::string> lines = Lines(calendar::CriticalDaysCalendar(1980y / January / 4d, {}, kStamp));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "BEGIN:VCALENDAR");
    EXPECT_EQ(lines[1], "VERSION:2.0");
    EXPECT_TRUE(lines[2].starts_with("PRODID:-//") && lines[2].ends_with("//EN")) << lines[2];
    EXPECT_EQ(lines[3], "END:VCALENDAR");
}

TEST(CriticalCalendar, EventIsAWholeDayEscapedAndStampedInUtc)
{
    // Born on New Year's Eve: the birthday is critical for every cycle, and
    // its event ends on a day of the next year.
    const year_month_day birth = 2026y / December / 31d;
    const std::vector<std::string> lines
        = Lines(calendar::CriticalDaysCalendar(birth, chart::CriticalDays(birth, birth, 1), kStamp));
    for (const std::string expected :
        { "BEGIN:VEVENT", "DTSTAMP:20261208T090507Z", "DTSTART;VALUE=DATE:20261231", "DTEND;VALUE=DATE:20270101",
            "SUMMARY:Treble critical day: physical\\, emotional\\, intellectual", "END:VEVENT" })
        EXPECT_EQ(std::count(lines.begin(), lines.end(), expected), 1) << expected;
}

TEST(CriticalCalendar, EveryDayHasAUidOfItsOwn)
{
    const year_month_day birth = 1980y / January / 4d;
    const std::vector<chart::CriticalDay> days = chart::CriticalDays(birth, 2026y / December / 8d, 365);
    std::set<std::string> uids;
    for (const std::string& line : Lines(calendar::CriticalDaysCalendar(birth, days, kStamp)))
        if (line.starts_with("UID:"))
            uids.insert(line);
    EXPECT_EQ(uids.size(), days.size());
}

} // namespace
