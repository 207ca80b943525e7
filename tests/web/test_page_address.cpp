#include "web/PageAddress.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

struct PageCase {
    web::PageKey key;
    const char* text;
};

void PrintTo(const PageCase& page, std::ostream* out)
{
    *out << page.text;
}

class PageAddressTable : public ::testing::TestWithParam<PageCase> { };

TEST_P(PageAddressTable, KeyTextIsTheFixedWord)
{
    EXPECT_EQ(web::PageKeyText(GetParam().key), GetParam().text);
}

TEST_P(PageAddressTable, AddressIsBasePlusPageQuery)
{
    EXPECT_EQ(web::PageAddress(GetParam().key), web::SiteBase() + "?page=" + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageAddressTable,
    ::testing::Values(PageCase { web::PageKey::HomePage, "home-page" },
        PageCase { web::PageKey::HelpWebPage, "help-web-page" },
        PageCase { web::PageKey::DownloadWebPage, "download-web-page" }, PageCase { web::PageKey::Donate, "donate" },
        PageCase { web::PageKey::FullyBranded, "fully-branded" }, PageCase { web::PageKey::CoBrand, "co-brand" },
        PageCase { web::PageKey::PellarySoftwares, "pellarysoftwares" },
        PageCase { web::PageKey::QorvexReferAFriend, "qorvex-refer-a-friend" }),
    [](const ::testing::TestParamInfo<PageCase>& info) {
        std::string name = info.param.text;
        for (char& c : name)
            c = c == '-' ? '_' : c;
        return name;
    });

TEST(SiteAddress, RootIsHttpAndBareHost)
{
    const std::string root = web::SiteRoot();
    const std::string scheme = "http://";
    ASSERT_GT(root.size(), scheme.size());
    EXPECT_EQ(root.substr(0, scheme.size()), scheme);
    const std::string host = root.substr(scheme.size());
    EXPECT_EQ(host.find_first_of("/?#"), std::string::npos) << root;
}

TEST(SiteAddress, BaseIsRootPlusFixedPath)
{
    EXPECT_EQ(web::SiteBase(), web::SiteRoot() + "/tavio-free-biorhythm-chart-software/ssd.php");
}

} // namespace
