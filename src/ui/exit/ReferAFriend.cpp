#include "ui/exit/ReferAFriend.h"

#include "web/Launcher.h"
#include "web/PageAddress.h"

namespace ui {

ReferAFriend::ReferAFriend(web::Launcher& launcher)
    : launcher(launcher)
{ }

std::string ReferAFriend::Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool ReferAFriend::ShowsPlaceholder(std::string_view text, std::string_view placeholder)
{
    return Trim(text) == placeholder;
}

bool ReferAFriend::IsBlank(std::string_view text)
{
    return Trim(text).empty();
}

std::string ReferAFriend::EncodeQueryValue(std::string_view value)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(value.size() * 3);
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')
            || (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
        if (unreserved) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

std::string ReferAFriend::Submit(const ReferralEntries& typed)
{
    // Kept even when a check below fails: the site never sees them then, but
    // they stay as the last entries.
    senderName = Trim(typed.name);
    senderEmail = Trim(typed.email);
    referralMessage = Trim(typed.message);
    friendName = Trim(typed.friendName);
    friendEmail = Trim(typed.friendEmail);

    if (senderEmail == friendEmail)
        return "Please Enter Distinct Email Addresses";
    const auto lacks = [](const std::string& address, char c) { return address.find(c) == std::string::npos; };
    if (lacks(senderEmail, '@') || lacks(friendEmail, '@'))
        return "Please Enter Proper Email Address";
    if (lacks(senderEmail, '.') || lacks(friendEmail, '.'))
        return "Please Enter Proper Email Address";
    return SendReferral();
}

std::string ReferAFriend::SendReferral()
{
    const struct {
        const std::string& value;
        std::string_view placeholder;
        const char* message;
    } checks[] = {
        { senderName, kNamePlaceholder, "Please Enter Your Name" },
        { senderEmail, kEmailPlaceholder, "Please Enter Your Email" },
        { referralMessage, kMessagePlaceholder, "Please Enter Your Message" },
        { friendName, kFriendNamePlaceholder, "Please Enter Your Friend's Name" },
        { friendEmail, kFriendEmailPlaceholder, "Please Enter Your Friend's Email" },
    };
    // Submit has stored every value trimmed.
    for (const auto& check : checks) {
        if (check.value.empty() || check.value == check.placeholder)
            return check.message;
    }

    // Every value is encoded: a name holding "&", "=" or "#" would otherwise
    // cut the address short or smuggle in parameters of its own.
    std::string address = web::PageAddress(web::PageKey::QorvexReferAFriend);
    const struct {
        const char* key;
        std::string value;
    } parameters[] = {
        { "&taf1=", senderName },
        { "&taf2=", senderEmail },
        { "&taf3=", referralMessage },
        { "&taf4=", friendName },
        { "&taf5=", friendEmail },
        { "&taf6=", web::SiteRoot() + std::string(web::SiteFolder()) },
    };
    for (const auto& parameter : parameters) {
        address += parameter.key;
        address += EncodeQueryValue(parameter.value);
    }
    referralAddress = address;
    launcher.OpenAddress(referralAddress, web::kNoOwner);
    return {};
}

} // namespace ui
