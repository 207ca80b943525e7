// The refer-a-friend form's press with whatever the five boxes hold. Input:
// name, e-mail, message, friend's name and friend's e-mail, separated by NUL
// bytes (the boxes never hold one).

#include "FuzzCheck.h"
#include "RecordingLauncher.h"
#include "ui/exit/ReferAFriend.h"
#include "web/Launcher.h"
#include "web/PageAddress.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using testing_support::RecordingLauncher;
using ui::ReferAFriend;

constexpr std::array<std::string_view, 7> kMessages = {
    "Please Enter Distinct Email Addresses",
    "Please Enter Proper Email Address",
    "Please Enter Your Name",
    "Please Enter Your Email",
    "Please Enter Your Message",
    "Please Enter Your Friend's Name",
    "Please Enter Your Friend's Email",
};

bool IsKnownMessage(std::string_view message)
{
    for (const std::string_view known : kMessages) {
        if (message == known)
            return true;
    }
    return false;
}

// The rules open the address with no window of their own to own it.
bool NoneOwned(const RecordingLauncher& launcher)
{
    for (const RecordingLauncher::Opened& opened : launcher.opened) {
        if (opened.owner != web::kNoOwner)
            return false;
    }
    return true;
}

bool IsTrimmed(std::string_view text)
{
    return text.empty() || (text.front() != ' ' && text.back() != ' ');
}

bool Fills(std::string_view value, std::string_view placeholder)
{
    return !value.empty() && value != placeholder;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1; // lower-case hex is not what the encoder writes
}

bool IsUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

// An encoded query value back to its bytes; the value may hold nothing but
// unreserved characters and %XX.
std::string Decoded(std::string_view encoded)
{
    std::string bytes;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            FUZZ_CHECK(IsUnreserved(encoded[i]));
            bytes += encoded[i];
            continue;
        }
        FUZZ_CHECK(i + 2 < encoded.size());
        const int high = HexValue(encoded[i + 1]);
        const int low = HexValue(encoded[i + 2]);
        FUZZ_CHECK(high >= 0 && low >= 0);
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

// The address is the page's, then exactly taf1 to taf6 in order, each value
// giving back what it carries once decoded.
void CheckAddress(const std::string& address, const ReferAFriend& rules)
{
    const std::string page = web::PageAddress(web::PageKey::QorvexReferAFriend);
    FUZZ_CHECK(address.starts_with(page));
    const std::array<std::string, 6> values = { rules.SenderName(), rules.SenderEmail(), rules.ReferralMessage(),
        rules.FriendName(), rules.FriendEmail(), web::SiteRoot() + std::string(web::SiteFolder()) };
    std::string_view rest = std::string_view(address).substr(page.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string key = "&taf" + std::to_string(i + 1) + "=";
        FUZZ_CHECK(rest.starts_with(key));
        rest.remove_prefix(key.size());
        const std::size_t end = rest.find('&');
        FUZZ_CHECK((end == std::string_view::npos) == (i + 1 == values.size()));
        FUZZ_CHECK(Decoded(rest.substr(0, end)) == values[i]);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto fields = fuzz::SplitFields(fuzz::AsText(data, size), '\0', 5);
    const ui::ReferralEntries typed { std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
        std::string(fields[3]), std::string(fields[4]) };

    RecordingLauncher launcher;
    ReferAFriend rules(launcher);
    const std::string message = rules.Submit(typed);
    FUZZ_CHECK(NoneOwned(launcher));

    // Every press keeps the trimmed entries, whatever the checks say.
    FUZZ_CHECK(rules.SenderName() == ReferAFriend::Trim(typed.name));
    FUZZ_CHECK(rules.SenderEmail() == ReferAFriend::Trim(typed.email));
    FUZZ_CHECK(rules.ReferralMessage() == ReferAFriend::Trim(typed.message));
    FUZZ_CHECK(rules.FriendName() == ReferAFriend::Trim(typed.friendName));
    FUZZ_CHECK(rules.FriendEmail() == ReferAFriend::Trim(typed.friendEmail));
    FUZZ_CHECK(IsTrimmed(rules.SenderName()) && IsTrimmed(rules.FriendEmail()));

    if (!message.empty()) {
        FUZZ_CHECK(IsKnownMessage(message));
        FUZZ_CHECK(launcher.opened.empty());
        FUZZ_CHECK(rules.ReferralAddress().empty());
        return 0;
    }

    // Nothing leaves the program that a check should have stopped.
    FUZZ_CHECK(rules.SenderEmail() != rules.FriendEmail());
    for (const std::string& address : { rules.SenderEmail(), rules.FriendEmail() }) {
        FUZZ_CHECK(address.find('@') != std::string::npos);
        FUZZ_CHECK(address.find('.') != std::string::npos);
    }
    FUZZ_CHECK(Fills(rules.SenderName(), ReferAFriend::kNamePlaceholder));
    FUZZ_CHECK(Fills(rules.SenderEmail(), ReferAFriend::kEmailPlaceholder));
    FUZZ_CHECK(Fills(rules.ReferralMessage(), ReferAFriend::kMessagePlaceholder));
    FUZZ_CHECK(Fills(rules.FriendName(), ReferAFriend::kFriendNamePlaceholder));
    FUZZ_CHECK(Fills(rules.FriendEmail(), ReferAFriend::kFriendEmailPlaceholder));

    FUZZ_CHECK(launcher.opened.size() == 1);
    FUZZ_CHECK(launcher.opened.front().address == rules.ReferralAddress());
    CheckAddress(rules.ReferralAddress(), rules);

    // A second press sends the same address again.
    FUZZ_CHECK(rules.Submit(typed).empty());
    FUZZ_CHECK(NoneOwned(launcher));
    FUZZ_CHECK(launcher.opened.size() == 2 && launcher.opened.back().address == launcher.opened.front().address);
    return 0;
}
