#include "ui/exit/SupportMessage.h"
#include "web/PageAddress.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <set>
#include <string>

namespace {

struct Draw {
    const char* name;
    float r;
    int index;
};

void PrintTo(const Draw& draw, std::ostream* out)
{
    *out << draw.name;
}

class SupportMessageDraw : public testing::TestWithParam<Draw> { };

TEST_P(SupportMessageDraw, PicksTheQuarterItFallsIn)
{
    EXPECT_EQ(ui::SupportMessageIndex(GetParam().r), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Draws, SupportMessageDraw,
    testing::Values(Draw { "Zero", 0.0F, 0 }, Draw { "JustBelowAQuarter", 0.2499F, 0 }, Draw { "AQuarter", 0.25F, 1 },
        Draw { "AHalf", 0.5F, 2 }, Draw { "ThreeQuarters", 0.75F, 3 }, Draw { "LargestFloatBelowOne", 0.99999994F, 3 },
        Draw { "One", 1.0F, 3 }, Draw { "Negative", -0.5F, 0 },
        Draw { "NaN", std::numeric_limits<float>::quiet_NaN(), 0 }),
    [](const testing::TestParamInfo<Draw>& info) { return std::string(info.param.name); });

TEST(SupportMessage, EveryMessageNamesTheSiteAndDiffers)
{
    const std::string host(web::SiteHost());
    std::set<std::string> texts;
    for (int index = 0; index < ui::kSupportMessageCount; ++index) {
        EXPECT_NE(ui::SupportMessage(index).find(host), std::string::npos) << index;
        texts.insert(ui::SupportMessage(index));
    }
    EXPECT_EQ(texts.size(), std::size_t { 4 });
}

TEST(SupportMessage, TimerSeededDrawsStayBelowOne)
{
    for (int i = 0; i < 10000; ++i) {
        const float r = ui::TimerSeededDraw();
        ASSERT_TRUE(r >= 0.0F && r < 1.0F) << r;
    }
}

} // namespace
