// Hexadecimal and octal texts too long for a double, as a paste into a day or
// year box can bring: they must saturate like long decimal texts do, never
// become an infinity that the writing cannot spell.

#include "ui/dates/DateEntry.h"
#include "ui/dates/WholeNumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr const char* kLargestFinite = "1.79769313486232E+308";

struct LongRadix {
    const char* name;
    std::string typed;
};

void PrintTo(const LongRadix& c, std::ostream* os)
{
    *os << c.name;
}

class LongRadixTest : public testing::TestWithParam<LongRadix> { };

TEST_P(LongRadixTest, ReadsAsTheLargestFiniteDouble)
{
    EXPECT_EQ(ui::ReadLeadingNumber(GetParam().typed), std::numeric_limits<double>::max());
    EXPECT_EQ(ui::ToWholeNumberText(GetParam().typed), kLargestFinite);
}

TEST_P(LongRadixTest, DayBoxFallsBackAndYearBoxKeepsTheSaturatedText)
{
    EXPECT_EQ(ui::CorrectedDayText(GetParam().typed, 17), "17");
    EXPECT_EQ(ui::CorrectedYearText(GetParam().typed), kLargestFinite);
}

// 16^256 and 8^342 are the first powers of their radix beyond the double range.
INSTANTIATE_TEST_SUITE_P(BeyondTheDoubleRange, LongRadixTest,
    testing::Values(LongRadix { "Hex256Digits", "&H" + std::string(256, 'F') },
        LongRadix { "Hex300DigitsLowerCase", "&h" + std::string(300, 'c') },
        LongRadix { "HexWithBlanksAndTail", " & H " + std::string(400, '9') + " x" },
        LongRadix { "Octal342Digits", "&O1" + std::string(342, '0') },
        LongRadix { "Octal500Digits", "&o" + std::string(500, '7') }));

TEST(LongRadix, TheLongestHexTextThatFitsStaysFinite)
{
    // 16^255 - 1 rounds to 2^1020.
    const double read = ui::ReadLeadingNumber("&H" + std::string(255, 'F'));
    EXPECT_EQ(read, std::ldexp(1.0, 1020));
    EXPECT_EQ(ui::ToWholeNumberText("&H" + std::string(255, 'F')), "1.12355820928895E+307");
}

} // namespace
