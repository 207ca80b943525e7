#include "RecordingLauncher.h"
#include "ui/exit/ReferAFriend.h"
#include "web/PageAddress.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using testing_support::RecordingLauncher;
using ui::ReferAFriend;
using ui::ReferralEntries;

namespace {

// The form as it opens, with the visible boxes filled in as a user would.
ReferralEntries Filled()
{
    return { "Ann Lee", "ann@one.example", "Your Message\r\n", "Bob Ray", "bob@two.example" };
}

// The form exactly as it opens.
ReferralEntries Untouched()
{
    return { "Your Name", "Your Email Address", "Your Message\r\n", "Friend's Name", "Friend's Email Address" };
}

std::string Host()
{
    const std::string root = web::SiteRoot();
    return root.substr(root.find("://") + 3);
}

std::string ProgramFolderEncoded()
{
    return "http%3A%2F%2F" + Host() + "%2Ftavio-free-biorhythm-chart-software%2F";
}

// The query's parameter names, in order, as a site would split them.
std::vector<std::string> ParameterNames(const std::string& address)
{
    std::vector<std::string> names;
    std::string query = address.substr(address.find('?') + 1);
    std::size_t start = 0;
    while (start <= query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string::npos)
            end = query.size();
        const std::string pair = query.substr(start, end - start);
        names.push_back(pair.substr(0, pair.find('=')));
        start = end + 1;
    }
    return names;
}

} // namespace

TEST(ReferralAddress, FilledFormOpensTheExactAddressWithNoOwner)
{
    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    EXPECT_EQ(rules.Submit(Filled()), "");

    const std::string expected = web::PageAddress(web::PageKey::QorvexReferAFriend)
        + "&taf1=Ann%20Lee&taf2=ann%40one.example&taf3=Your%20Message%0D%0A&taf4=Bob%20Ray"
          "&taf5=bob%40two.example&taf6="
        + ProgramFolderEncoded();
    ASSERT_EQ(launcher.opened.size(), 1U);
    EXPECT_EQ(launcher.opened[0].address, expected);
    EXPECT_EQ(launcher.opened[0].owner, web::kNoOwner);
    EXPECT_EQ(rules.ReferralAddress(), expected);
}

TEST(ReferralAddress, TwoGoodPressesOpenTheSameAddressTwice)
{
    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    EXPECT_EQ(rules.Submit(Filled()), "");
    EXPECT_EQ(rules.Submit(Filled()), "");
    ASSERT_EQ(launcher.opened.size(), 2U);
    EXPECT_EQ(launcher.opened[0].address, launcher.opened[1].address);
}

struct HostileName {
    const char* label;
    std::string name;
    std::string encoded;
};

void PrintTo(const HostileName& value, std::ostream* out)
{
    *out << value.label;
}

class ReferralHostileNames : public testing::TestWithParam<HostileName> { };

TEST_P(ReferralHostileNames, AreEncodedAndAddNoParameters)
{
    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    ReferralEntries entries = Filled();
    entries.name = GetParam().name;
    EXPECT_EQ(rules.Submit(entries), "");
    ASSERT_EQ(launcher.opened.size(), 1U);
    const std::string& address = launcher.opened[0].address;

    EXPECT_EQ(address,
        web::PageAddress(web::PageKey::QorvexReferAFriend) + "&taf1=" + GetParam().encoded
            + "&taf2=ann%40one.example&taf3=Your%20Message%0D%0A&taf4=Bob%20Ray&taf5=bob%40two.example&taf6="
            + ProgramFolderEncoded());
    const std::vector<std::string> names { "page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6" };
    EXPECT_EQ(ParameterNames(address), names);
    EXPECT_EQ(address.find('#'), std::string::npos);
    EXPECT_EQ(address.find(' '), std::string::npos);
    EXPECT_EQ(address.find('\r'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Names, ReferralHostileNames,
    testing::Values(
        HostileName { "Ampersand", "Ann&taf6=http://evil.example", "Ann%26taf6%3Dhttp%3A%2F%2Fevil.example" },
        HostileName { "Hash", "Ann#top", "Ann%23top" }, HostileName { "Plus", "Ann+Bob", "Ann%2BBob" },
        HostileName { "LineBreaks", "Ann\r\nLee", "Ann%0D%0ALee" },
        HostileName { "Percent", "100% Ann", "100%25%20Ann" }, HostileName { "NonAscii", "Zo\xC3\xAB", "Zo%C3%AB" }),
    [](const testing::TestParamInfo<HostileName>& info) { return std::string(info.param.label); });

struct FailedCheck {
    const char* label;
    ReferralEntries entries;
    std::string message;
};

void PrintTo(const FailedCheck& value, std::ostream* out)
{
    *out << value.label;
}

class ReferralChecks : public testing::TestWithParam<FailedCheck> { };

TEST_P(ReferralChecks, StopWithTheirMessageAndOpenNothing)
{
    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    EXPECT_EQ(rules.Submit(GetParam().entries), GetParam().message);
    EXPECT_TRUE(launcher.opened.empty());
    EXPECT_EQ(rules.ReferralAddress(), "");
}

namespace {

ReferralEntries With(std::string ReferralEntries::*field, std::string value)
{
    ReferralEntries entries = Filled();
    entries.*field = std::move(value);
    return entries;
}

ReferralEntries Emails(std::string email, std::string friendEmail)
{
    ReferralEntries entries = Filled();
    entries.email = std::move(email);
    entries.friendEmail = std::move(friendEmail);
    return entries;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(InOrder, ReferralChecks,
    testing::Values(
        // The two e-mail placeholders differ, so the untouched form fails on "@".
        FailedCheck { "UntouchedForm", Untouched(), "Please Enter Proper Email Address" },
        FailedCheck { "SameAddressBeforeAnythingElse", { "", "a@b.example", "", "", "a@b.example" },
            "Please Enter Distinct Email Addresses" },
        FailedCheck { "SameAddressAfterTrimming", Emails("  a@b.example", "a@b.example  "),
            "Please Enter Distinct Email Addresses" },
        FailedCheck { "BothEmpty", Emails("", "   "), "Please Enter Distinct Email Addresses" },
        FailedCheck { "NoAtInOwn", Emails("ann.one.example", "bob@two.example"), "Please Enter Proper Email Address" },
        FailedCheck {
            "NoAtInFriends", Emails("ann@one.example", "bob.two.example"), "Please Enter Proper Email Address" },
        FailedCheck { "NoDotInOwn", Emails("ann@one", "bob@two.example"), "Please Enter Proper Email Address" },
        FailedCheck { "NoDotInFriends", Emails("ann@one.example", "bob@two"), "Please Enter Proper Email Address" },
        FailedCheck { "NamePlaceholder", With(&ReferralEntries::name, "Your Name"), "Please Enter Your Name" },
        FailedCheck { "NamePlaceholderPadded", With(&ReferralEntries::name, "  Your Name "), "Please Enter Your Name" },
        FailedCheck { "NameBlank", With(&ReferralEntries::name, "   "), "Please Enter Your Name" },
        FailedCheck { "NameAndFriendBothPlaceholders",
            { "Your Name", "a@b.c", "Your Message\r\n", "Friend's Name", "d@e.f" }, "Please Enter Your Name" },
        FailedCheck {
            "MessageLeftEmpty", With(&ReferralEntries::message, "Your Message"), "Please Enter Your Message" },
        FailedCheck { "MessageBlank", With(&ReferralEntries::message, ""), "Please Enter Your Message" },
        FailedCheck { "FriendNamePlaceholder", With(&ReferralEntries::friendName, "Friend's Name"),
            "Please Enter Your Friend's Name" },
        FailedCheck { "FriendNameBlank", With(&ReferralEntries::friendName, " "), "Please Enter Your Friend's Name" }),
    [](const testing::TestParamInfo<FailedCheck>& info) { return std::string(info.param.label); });

TEST(ReferralChecks, AddressesDifferingInCaseOrCharacterOrderPass)
{
    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    EXPECT_EQ(rules.Submit(Emails("Ann@One.Example", "ann@one.example")), "");
    EXPECT_EQ(rules.Submit(Emails(".@", "x.y@")), "");
    EXPECT_EQ(launcher.opened.size(), 2U);
}

TEST(ReferralState, EveryPressStoresTrimmedEntriesEvenWhenAChecksFails)
{
    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    EXPECT_EQ(rules.Submit({ "  Ann\t", " x@y.z ", "\r\nHi \r\n ", " Bob", "x@y.z" }),
        "Please Enter Distinct Email Addresses");
    EXPECT_EQ(rules.SenderName(), "Ann\t");
    EXPECT_EQ(rules.SenderEmail(), "x@y.z");
    EXPECT_EQ(rules.ReferralMessage(), "\r\nHi \r\n");
    EXPECT_EQ(rules.FriendName(), "Bob");
    EXPECT_EQ(rules.FriendEmail(), "x@y.z");
    EXPECT_EQ(rules.ReferralAddress(), "");
}

TEST(ReferralState, AFailedPressKeepsTheLastAddressBuilt)
{
    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    ASSERT_EQ(rules.Submit(Filled()), "");
    const std::string sent = rules.ReferralAddress();
    EXPECT_EQ(rules.Submit(Untouched()), "Please Enter Proper Email Address");
    EXPECT_EQ(rules.ReferralAddress(), sent);
    EXPECT_EQ(rules.SenderName(), "Your Name");
    EXPECT_EQ(launcher.opened.size(), 1U);
}
