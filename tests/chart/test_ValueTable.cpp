#include "chart/DateComposition.h"
#include "chart/ValueTable.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Each row of the CSV against the model's reading of its day.
void ExpectRowsMatchTheModel(year_month_day birth, year_month_day report)
{
    const std::vector<std::string> lines = Split(chart::ValuesCsv(birth, report), "\r\n");
    ASSERT_EQ(lines.size(), 31u); // header, 29 days, and the empty rest after the last CRLF
    EXPECT_EQ(lines.front(), "date,offset,physical,emotional,intellectual,critical");
    EXPECT_EQ(lines.back(), "");
    const std::int32_t days = chart::DaysSinceBirth(birth, report);
    for (int offset = -14; offset <= 14; ++offset) {
        const std::vector<std::string> fields = Split(lines[static_cast<std::size_t>(offset + 15)], ",");
        ASSERT_EQ(fields.size(), 6u) << lines[static_cast<std::size_t>(offset + 15)];
        const sys_days date = sys_days { report } + std::chrono::days { offset };
        EXPECT_EQ(fields[0], chart::IsoDate(year_month_day { date }));
        EXPECT_EQ(fields[1], std::to_string(offset));
        const chart::DayReading day = chart::ReadDay(days, offset);
        std::string critical;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(std::stod(fields[2 + i]), day.cycles[i].percent, 0.05) << fields[0];
            EXPECT_EQ(fields[2 + i].find('.'), fields[2 + i].size() - 2) << "one decimal: " << fields[2 + i];
            if (day.cycles[i].critical)
                critical += (critical.empty() ? "" : "+") + std::string(chart::kCycles[i].name);
        }
        EXPECT_EQ(fields[5], critical) << fields[0];
    }
}

TEST(ValueTable, CsvRowsAreTheModelsDays)
{
    ExpectRowsMatchTheModel(1980y / January / 4d, 2024y / June / 15d);
    // A birthday after the report day, across a leap day and a year's end.
    ExpectRowsMatchTheModel(2000y / February / 29d, 1999y / December / 31d);
}

TEST(ValueTable, BirthdayRowsAsAReaderChecksThem)
{
    const std::vector<std::string> lines = Split(chart::ValuesCsv(1990y / May / 5d, 1990y / May / 5d), "\r\n");
    EXPECT_EQ(lines[1], "1990-04-21,-14,68.1,0.0,-51.4,Emotional");
    EXPECT_EQ(lines[15], "1990-05-05,0,0.0,0.0,0.0,Physical+Emotional+Intellectual");
    EXPECT_EQ(lines[22], "1990-05-12,7,95.3,100.0,97.7,");
    EXPECT_EQ(lines[29], "1990-05-19,14,-68.1,0.0,51.4,Emotional");
}

TEST(ValueTable, QuotesOnlyWhatNeedsItAndTabsMatchTheCsv)
{
    EXPECT_EQ(chart::CsvField("Physical+Emotional"), "Physical+Emotional");
    EXPECT_EQ(chart::CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(chart::CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(chart::CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(chart::PercentText(-0.04), "0.0");

    std::string csv = chart::ValuesCsv(1980y / January / 4d, 2024y / June / 15d);
    EXPECT_EQ(csv.find('"'), std::string::npos);
    std::string tabs = chart::ValuesTabSeparated(1980y / January / 4d, 2024y / June / 15d);
    for (char& c : tabs)
        c = c == '\t' ? ',' : c;
    EXPECT_EQ(Split(csv, "\r\n"), Split(tabs, "\n"));
}

} // namespace
