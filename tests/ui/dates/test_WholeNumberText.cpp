#include "ui/dates/WholeNumberText.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Case {
    const char* typed;
    const char* expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << '"' << c.typed << "\" -> \"" << c.expected << '"';
}

class WholeNumberTextTest : public testing::TestWithParam<Case> { };

TEST_P(WholeNumberTextTest, ReadsLenientlyAndFloors)
{
    EXPECT_EQ(ui::ToWholeNumberText(GetParam().typed), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PlainAndBroken, WholeNumberTextTest,
    testing::Values(Case { "12", "12" }, Case { "0", "0" }, Case { "", "0" }, Case { "abc", "0" },
        Case { "12abc", "12" }, Case { "007", "7" }, Case { "+5", "5" }, Case { "-3", "-3" }, Case { "-", "0" },
        Case { "+", "0" }, Case { ".", "0" }, Case { "1.2.3", "1" }, Case { "--3", "0" }, Case { "3-", "3" },
        Case { "1,5", "1" }));

INSTANTIATE_TEST_SUITE_P(SkippedWhitespace, WholeNumberTextTest,
    testing::Values(Case { " 7", "7" }, Case { "1 2", "12" }, Case { "\t1\t9\n84", "1984" }, Case { "- 3", "-3" },
        Case { "1 . 5", "1" }, Case { "1 e 3", "1000" },
        // A carriage return is not among the skipped characters: it ends the number.
        Case { "1\r2", "1" }));

INSTANTIATE_TEST_SUITE_P(FloorTowardMinusInfinity, WholeNumberTextTest,
    testing::Values(Case { "3.9", "3" }, Case { "3.7", "3" }, Case { "-0.5", "-1" }, Case { "-3.2", "-4" },
        Case { "-0", "0" }, Case { "-0.0", "0" }, Case { ".5", "0" }, Case { "5.", "5" }, Case { "1999.5", "1999" },
        Case { "-123", "-123" }, Case { "0.999999", "0" }));

INSTANTIATE_TEST_SUITE_P(Exponents, WholeNumberTextTest,
    testing::Values(Case { "1E3", "1000" }, Case { "1e3", "1000" }, Case { "2D2", "200" }, Case { "2d+2", "200" },
        Case { "15E-1", "1" }, Case { "1E", "1" }, Case { "1E+", "1" }, Case { "5E-400", "0" }, Case { "-5E-400", "0" },
        Case { "E5", "0" }, Case { "1.5E1x", "15" }));

INSTANTIATE_TEST_SUITE_P(HexAndOctal, WholeNumberTextTest,
    testing::Values(Case { "&H1F", "31" }, Case { "&h1f", "31" }, Case { " & H 1 F", "31" }, Case { "&HFFFF", "65535" },
        Case { "&HFFFFFFFF", "4294967295" }, Case { "&H123456789", "4886718345" }, Case { "&H", "0" },
        Case { "&HG", "0" }, Case { "&O17", "15" }, Case { "&o78", "7" }, Case { "&X1", "0" }, Case { "&", "0" },
        Case { "-&H10", "0" },
        // Sixteen hex digits are far beyond 32 bits; no wrap-around, just a large number.
        Case { "&HFFFFFFFFFFFFFFFF", "1.84467440737096E+19" }));

INSTANTIATE_TEST_SUITE_P(LargeMagnitudes, WholeNumberTextTest,
    testing::Values(Case { "999999999999999", "999999999999999" }, Case { "999999999999999.9", "999999999999999" },
        Case { "-999999999999999", "-999999999999999" }, Case { "1000000000000000", "1E+15" }, Case { "1E15", "1E+15" },
        Case { "-1E15", "-1E+15" }, Case { "-999999999999999.5", "-1E+15" }, Case { "1.5E20", "1.5E+20" },
        Case { "-1.5E20", "-1.5E+20" }, Case { "12345678901234567890", "1.23456789012346E+19" },
        Case { "1E100", "1E+100" }, Case { "1E400", "1.79769313486232E+308" },
        Case { "-1E99999999999999999999", "-1.79769313486232E+308" }, Case { "0.0001E400", "1.79769313486232E+308" }));

TEST(WholeNumberText, ReadsTheLeadingNumberAsWritten)
{
    EXPECT_DOUBLE_EQ(ui::ReadLeadingNumber("3.75kg"), 3.75);
    EXPECT_DOUBLE_EQ(ui::ReadLeadingNumber("-2.5e-1"), -0.25);
    EXPECT_DOUBLE_EQ(ui::ReadLeadingNumber("&H10"), 16.0);
    EXPECT_DOUBLE_EQ(ui::ReadLeadingNumber("x1"), 0.0);
}

} // namespace
