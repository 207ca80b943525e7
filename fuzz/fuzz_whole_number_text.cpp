// Whatever a user types into a day or year box, read as a whole number, and
// the boxes' corrections built on it.

#include "FuzzCheck.h"
#include "ui/dates/DateEntry.h"
#include "ui/dates/WholeNumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool AllDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.empty();
}

std::string_view WithoutMinus(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return text;
}

// "0", or digits without a leading zero, at most 15 of them, after an
// optional minus sign.
bool IsPlainWhole(std::string_view text)
{
    if (text == "0")
        return true;
    const std::string_view digits = WithoutMinus(text);
    return AllDigits(digits) && digits.size() <= 15 && digits.front() != '0';
}

// One non-zero digit, then optionally a point and up to 14 digits that do not
// end in 0, then "E+" and an exponent from 15 to 308 without a leading zero.
bool IsExponentWhole(std::string_view text)
{
    const std::string_view number = WithoutMinus(text);
    const std::size_t e = number.find("E+");
    if (e == std::string_view::npos)
        return false;
    const std::string_view mantissa = number.substr(0, e);
    const std::string_view exponent = number.substr(e + 2);
    if (mantissa.empty() || mantissa.front() < '1' || mantissa.front() > '9')
        return false;
    if (mantissa.size() > 1) {
        const std::string_view fraction = mantissa.substr(1);
        if (fraction.front() != '.' || !AllDigits(fraction.substr(1)) || fraction.size() > 15 || fraction.back() == '0')
            return false;
    }
    if (!AllDigits(exponent) || exponent.front() == '0' || exponent.size() > 3)
        return false;
    const int power = std::stoi(std::string(exponent));
    return power >= 15 && power <= 308;
}

std::string WithoutSkippedCharacters(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view typed = fuzz::AsText(data, size);

    const double read = ui::ReadLeadingNumber(typed);
    FUZZ_CHECK(std::isfinite(read));

    const std::string whole = ui::ToWholeNumberText(typed);
    const bool plain = IsPlainWhole(whole);
    FUZZ_CHECK(plain || IsExponentWhole(whole));
    // Read back the way the program reads it: the largest finite double is
    // written rounded up to 15 digits, which only saturates again.
    const double written = ui::ReadLeadingNumber(whole);
    const double floored = std::floor(read);
    if (plain)
        FUZZ_CHECK(written == floored);
    else
        FUZZ_CHECK(std::fabs(floored) >= 1e15 && std::fabs(written - floored) <= 1e-14 * std::fabs(floored));

    // A box that loses the focus twice keeps what the first correction wrote.
    FUZZ_CHECK(ui::ToWholeNumberText(whole) == whole);
    // Blanks, tabs and line feeds count nowhere.
    FUZZ_CHECK(ui::ToWholeNumberText(WithoutSkippedCharacters(typed)) == whole);

    constexpr int kFallbackDay = 17;
    const std::string day = ui::CorrectedDayText(typed, kFallbackDay);
    FUZZ_CHECK(day == std::to_string(kFallbackDay) || day == whole);
    FUZZ_CHECK(AllDigits(day) && day.front() != '0' && std::stoi(day) >= 1 && std::stoi(day) <= 31);

    const std::string year = ui::CorrectedYearText(typed);
    FUZZ_CHECK(year == "1984" || (year == whole && year.size() >= 4));
    return 0;
}
