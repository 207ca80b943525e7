#include "RecordingLauncher.h"
#include "web/PageAddress.h"

#include <gtest/gtest.h>
#include <ostream>
#include <set>
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

TEST(SiteAddress, KeysNeedNoEscaping)
{
    const web::PageKey keys[] = { web::PageKey::HomePage, web::PageKey::HelpWebPage, web::PageKey::DownloadWebPage,
        web::PageKey::Donate, web::PageKey::FullyBranded, web::PageKey::CoBrand, web::PageKey::PellarySoftwares,
        web::PageKey::QorvexReferAFriend };
    std::set<std::string_view> seen;
    for (const web::PageKey key : keys) {
        const std::string_view text = web::PageKeyText(key);
        EXPECT_TRUE(seen.insert(text).second) << "duplicate key " << text;
        for (const char c : text)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || c == '-') << text;
    }
}

TEST(Launcher, OpenWebPageOpensThePageWithoutOwner)
{
    testing_support::RecordingLauncher launcher;
    launcher.OpenWebPage(web::PageKey::DownloadWebPage);
    launcher.OpenWebPage(web::PageKey::DownloadWebPage);

    const std::string expected = web::SiteBase() + "?page=download-web-page";
    ASSERT_EQ(launcher.opened.size(), 2U);
    for (const auto& opened : launcher.opened) {
        EXPECT_EQ(opened.address, expected);
        EXPECT_EQ(opened.owner, web::kNoOwner);
    }
}

} // namespace
