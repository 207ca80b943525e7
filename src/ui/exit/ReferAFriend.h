#pragma once

#include <string>
#include <string_view>

namespace web {
class Launcher;
}

namespace ui {

// What the five boxes of the form hold when the button is pressed.
struct ReferralEntries {
    std::string name;
    std::string email;
    std::string message;
    std::string friendName;
    std::string friendEmail;
};

// Checks a referral and sends it by opening an address on the web site. The
// last entries and the last address are kept between presses for as long as
// the object lives. Texts are UTF-8.
class ReferAFriend {
public:
    static constexpr std::string_view kNamePlaceholder = "Your Name";
    static constexpr std::string_view kEmailPlaceholder = "Your Email Address";
    static constexpr std::string_view kMessagePlaceholder = "Your Message";
    static constexpr std::string_view kFriendNamePlaceholder = "Friend's Name";
    static constexpr std::string_view kFriendEmailPlaceholder = "Friend's Email Address";
    static constexpr std::string_view kNoSpaceMessage = "Email Address Cannot Contain Space";

    explicit ReferAFriend(web::Launcher& launcher);

    // The button's press: stores the trimmed entries, checks them and, when
    // every check passes, opens the referral address. Returns the message of
    // the first failed check, or an empty text when the address was opened.
    std::string Submit(const ReferralEntries& typed);

    // Leading and trailing blanks (code 32) only; tabs, CR and LF stay.
    static std::string Trim(std::string_view text);
    // The placeholder rule: a box whose trimmed text is its placeholder is
    // cleared on entry; a box left blank gets its placeholder back.
    static bool ShowsPlaceholder(std::string_view text, std::string_view placeholder);
    static bool IsBlank(std::string_view text);
    // A query value with every byte but A-Z a-z 0-9 - . _ ~ written as %XX.
    static std::string EncodeQueryValue(std::string_view value);

    const std::string& SenderName() const { return senderName; }
    const std::string& SenderEmail() const { return senderEmail; }
    const std::string& ReferralMessage() const { return referralMessage; }
    const std::string& FriendName() const { return friendName; }
    const std::string& FriendEmail() const { return friendEmail; }
    const std::string& ReferralAddress() const { return referralAddress; }

private:
    std::string SendReferral();

    web::Launcher& launcher;
    std::string senderName;
    std::string senderEmail;
    std::string referralMessage;
    std::string friendName;
    std::string friendEmail;
    std::string referralAddress;
};

} // namespace ui
