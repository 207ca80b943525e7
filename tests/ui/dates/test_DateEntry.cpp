#include "ui/dates/DateEntry.h"

#include <gtest/gtest.h>

namespace {

struct Correction {
    const char* typed;
    const char* expected;
};

void PrintTo(const Correction& c, std::ostream* os)
{
    *os << '"' << c.typed << "\" -> \"" << c.expected << '"';
}

// The fallback day 17 stands for "today's day" and differs from every typed value.
class DayCorrectionTest : public testing::TestWithParam<Correction> { };

TEST_P(DayCorrectionTest, KeepsDaysOneToThirtyOneAndElseFallsBack)
{
    EXPECT_EQ(ui::CorrectedDayText(GetParam().typed, 17), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(DayBoxes, DayCorrectionTest,
    testing::Values(Correction { "0", "17" }, Correction { "32", "17" }, Correction { "-3", "17" },
        Correction { "abc", "17" }, Correction { "", "17" }, Correction { "12abc", "12" }, Correction { "3.9", "3" },
        Correction { " 5", "5" }, Correction { "1 2", "12" }, Correction { "&H1F", "31" }, Correction { "&H20", "17" },
        Correction { "1", "1" }, Correction { "31", "31" }, Correction { "31.99", "31" }, Correction { "0.5", "17" },
        Correction { "1E15", "17" }, Correction { "3E1", "30" }));

TEST(DayCorrection, UsesTheFallbackOfTheBox)
{
    EXPECT_EQ(ui::CorrectedDayText("40", ui::kDefaultBirthDay), "4");
    EXPECT_EQ(ui::CorrectedDayText("40", 28), "28");
}

class YearCorrectionTest : public testing::TestWithParam<Correction> { };

TEST_P(YearCorrectionTest, KeepsFourCharactersOrMoreAndElseGives1984)
{
    EXPECT_EQ(ui::CorrectedYearText(GetParam().typed), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(YearBoxes, YearCorrectionTest,
    testing::Values(Correction { "84", "1984" }, Correction { "abc", "1984" }, Correction { "", "1984" },
        Correction { "2150", "2150" }, Correction { "10000", "10000" }, Correction { "-123", "-123" },
        Correction { "1999.5", "1999" }, Correction { "999", "1984" }, Correction { "-99", "1984" },
        Correction { "19 80", "1980" }, Correction { "1E15", "1E+15" }, Correction { "&H7C4", "1988" }));

} // namespace
