#include "app/RoundHalfEven.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace {

struct RoundCase {
    double value;
    std::optional<std::int32_t> expected;
};

void PrintTo(const RoundCase& c, std::ostream* out)
{
    *out << c.value;
}

class RoundHalfEvenTable : public ::testing::TestWithParam<RoundCase> { };

TEST_P(RoundHalfEvenTable, RoundsToNearestAndHalvesToEven)
{
    EXPECT_EQ(app::RoundHalfEvenToInt32(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTable,
    ::testing::Values(RoundCase { 0.0, 0 }, RoundCase { 3.0, 3 }, RoundCase { -3.0, -3 }, RoundCase { 0.5, 0 },
        RoundCase { 1.5, 2 }, RoundCase { 2.5, 2 }, RoundCase { 3.5, 4 }, RoundCase { -0.5, 0 }, RoundCase { -1.5, -2 },
        RoundCase { -2.5, -2 }, RoundCase { 2.4999, 2 }, RoundCase { 2.5001, 3 }, RoundCase { -2.5001, -3 },
        RoundCase { 2147483647.0, 2147483647 }, RoundCase { 2147483647.4, 2147483647 },
        RoundCase { 2147483646.5, 2147483646 }, RoundCase { 2147483647.5, std::nullopt },
        RoundCase { 2147483648.0, std::nullopt }, RoundCase { -2147483648.0, std::numeric_limits<std::int32_t>::min() },
        RoundCase { -2147483648.5, std::numeric_limits<std::int32_t>::min() },
        RoundCase { -2147483649.0, std::nullopt }, RoundCase { 1e300, std::nullopt },
        RoundCase { std::numeric_limits<double>::infinity(), std::nullopt },
        RoundCase { -std::numeric_limits<double>::infinity(), std::nullopt },
        RoundCase { std::numeric_limits<double>::quiet_NaN(), std::nullopt }));

} // namespace
