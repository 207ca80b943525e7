#include "chart/DateComposition.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

struct Composition {
    std::string month;
    std::string day;
    std::string year;
    std::optional<year_month_day> expected;
};

void PrintTo(const Composition& c, std::ostream* os)
{
    *os << '"' << c.month << "\" \"" << c.day << "\" \"" << c.year << '"';
}

year_month_day Date(int y, unsigned m, unsigned d)
{
    return year_month_day { year { y }, month { m }, day { d } };
}

class ComposeDateTest : public testing::TestWithParam<Composition> { };

TEST_P(ComposeDateTest, SpellsTheExpectedDateOrNone)
{
    const Composition& c = GetParam();
    EXPECT_EQ(chart::ComposeDate(c.month, c.day, c.year), c.expected);
}

INSTANTIATE_TEST_SUITE_P(ValidDates, ComposeDateTest,
    testing::Values(Composition { "Jan", "4", "1980", Date(1980, 1, 4) },
        Composition { "Dec", "31", "9999", Date(9999, 12, 31) }, Composition { "Jan", "1", "100", Date(100, 1, 1) },
        Composition { "Jun", "30", "2024", Date(2024, 6, 30) }, Composition { "Sep", "04", "1980", Date(1980, 9, 4) },
        Composition { "Mar", " 7 ", "  1999\t", Date(1999, 3, 7) },
        Composition { "Jul", "000000000000000000000009", "0000000000000000001980", Date(1980, 7, 9) }));

INSTANTIATE_TEST_SUITE_P(LeapYears, ComposeDateTest,
    testing::Values(Composition { "Feb", "29", "2024", Date(2024, 2, 29) },
        Composition { "Feb", "29", "2000", Date(2000, 2, 29) }, Composition { "Feb", "29", "2023", std::nullopt },
        Composition { "Feb", "29", "1900", std::nullopt }, Composition { "Feb", "28", "1900", Date(1900, 2, 28) },
        Composition { "Feb", "30", "2024", std::nullopt }));

INSTANTIATE_TEST_SUITE_P(DaysTheMonthLacks, ComposeDateTest,
    testing::Values(Composition { "Apr", "31", "2020", std::nullopt },
        Composition { "Nov", "31", "2020", std::nullopt }, Composition { "Jan", "32", "2020", std::nullopt },
        Composition { "Jan", "0", "2020", std::nullopt }, Composition { "Jan", "00", "2020", std::nullopt }));

INSTANTIATE_TEST_SUITE_P(ShortYearWindow, ComposeDateTest,
    testing::Values(Composition { "Jan", "4", "0", Date(2000, 1, 4) },
        Composition { "Jan", "4", "00", Date(2000, 1, 4) }, Composition { "Jan", "4", "5", Date(2005, 1, 4) },
        Composition { "Jan", "4", "29", Date(2029, 1, 4) }, Composition { "Jan", "4", "30", Date(1930, 1, 4) },
        Composition { "Jan", "4", "80", Date(1980, 1, 4) }, Composition { "Jan", "4", "99", Date(1999, 1, 4) },
        Composition { "Feb", "29", "24", Date(2024, 2, 29) }, Composition { "Feb", "29", "23", std::nullopt }));

INSTANTIATE_TEST_SUITE_P(YearRange, ComposeDateTest,
    testing::Values(Composition { "Jan", "4", "099", std::nullopt }, Composition { "Jan", "4", "10000", std::nullopt },
        Composition { "Jan", "4", "99999999999999999999999999", std::nullopt }));

INSTANTIATE_TEST_SUITE_P(NotPlainNumbers, ComposeDateTest,
    testing::Values(Composition { "Jan", "", "1980", std::nullopt }, Composition { "Jan", "4", "", std::nullopt },
        Composition { "Jan", "   ", "1980", std::nullopt }, Composition { "Jan", "+4", "1980", std::nullopt },
        Composition { "Jan", "-4", "1980", std::nullopt }, Composition { "Jan", "4", "-1980", std::nullopt },
        Composition { "Jan", "1 4", "1980", std::nullopt }, Composition { "Jan", "4", "19 80", std::nullopt },
        Composition { "Jan", "4.0", "1980", std::nullopt }, Composition { "Jan", "4", "1980a", std::nullopt },
        Composition { "Jan", "four", "1980", std::nullopt },
        Composition { "Jan", "99999999999999999999999999", "1980", std::nullopt }));

INSTANTIATE_TEST_SUITE_P(MonthsAsListed, ComposeDateTest,
    testing::Values(Composition { "jan", "4", "1980", std::nullopt }, Composition { "JAN", "4", "1980", std::nullopt },
        Composition { "January", "4", "1980", std::nullopt }, Composition { " Jan", "4", "1980", std::nullopt },
        Composition { "", "4", "1980", std::nullopt }, Composition { "1", "4", "1980", std::nullopt },
        Composition { "Oct", "4", "1980", Date(1980, 10, 4) }));

TEST(DaysSinceBirth, CountsMidnightsWithSign)
{
    EXPECT_EQ(chart::DaysSinceBirth(Date(1980, 1, 4), Date(1980, 1, 4)), 0);
    EXPECT_EQ(chart::DaysSinceBirth(Date(1980, 1, 4), Date(1980, 1, 5)), 1);
    EXPECT_EQ(chart::DaysSinceBirth(Date(1980, 1, 5), Date(1980, 1, 4)), -1);
    EXPECT_EQ(chart::DaysSinceBirth(Date(2024, 2, 28), Date(2024, 3, 1)), 2);
    EXPECT_EQ(chart::DaysSinceBirth(Date(2023, 2, 28), Date(2023, 3, 1)), 1);
    EXPECT_EQ(chart::DaysSinceBirth(Date(1980, 1, 4), Date(1981, 1, 4)), 366);
}

TEST(DaysSinceBirth, CountsFromTheZeroDateAndAcrossTheWholeYearRange)
{
    EXPECT_EQ(chart::DaysSinceBirth(Date(1899, 12, 30), Date(1980, 1, 4)), 29224);
    EXPECT_EQ(chart::DaysSinceBirth(Date(9999, 12, 31), Date(100, 1, 1)), -3615899);
}

} // namespace
