#include "ui/dates/WholeNumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace ui {
namespace {

// Walks the text, skipping the characters the reading ignores.
class Cursor {
public:
    explicit Cursor(std::string_view text)
        : text(text)
    { }

    // The next character that counts, or '\0' at the end.
    char Peek()
    {
        SkipIgnored();
        return position < text.size() ? text[position] : '\0';
    }

    void Advance()
    {
        SkipIgnored();
        if (position < text.size())
            ++position;
    }

private:
    void SkipIgnored()
    {
        while (position < text.size() && (text[position] == ' ' || text[position] == '\t' || text[position] == '\n'))
            ++position;
    }

    std::string_view text;
    std::size_t position = 0;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    const char u = Upper(c);
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// &H and &O numbers: any number of digits, accumulated in double precision
// so that long digit strings grow large instead of wrapping around. Beyond
// the double range they stay at the largest double, as long decimal texts
// do: an infinity has no text to be written back as.
double ReadRadixNumber(Cursor& cursor, int radix)
{
    double value = 0.0;
    for (;;) {
        const int digit = radix == 16 ? HexDigitValue(cursor.Peek())
                                      : (cursor.Peek() >= '0' && cursor.Peek() <= '7' ? cursor.Peek() - '0' : -1);
        if (digit < 0)
            return value;
        value = std::min(value * radix + digit, std::numeric_limits<double>::max());
        cursor.Advance();
    }
}

// Decimal magnitude of the leading significant digit (0 for 1..9, 2 for
// 100..999, -1 for 0.1..0.9), used to tell an overflow from an underflow.
long long LeadingOrder(const std::string& intDigits, const std::string& fracDigits, long long exponent)
{
    for (std::size_t i = 0; i < intDigits.size(); ++i)
        if (intDigits[i] != '0')
            return static_cast<long long>(intDigits.size() - i - 1) + exponent;
    for (std::size_t j = 0; j < fracDigits.size(); ++j)
        if (fracDigits[j] != '0')
            return -static_cast<long long>(j + 1) + exponent;
    return 0;
}

double ReadDecimalNumber(Cursor& cursor)
{
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    std::string intDigits;
    std::string fracDigits;
    while (IsDigit(cursor.Peek())) {
        intDigits += cursor.Peek();
        cursor.Advance();
    }
    if (cursor.Peek() == '.') {
        cursor.Advance();
        while (IsDigit(cursor.Peek())) {
            fracDigits += cursor.Peek();
            cursor.Advance();
        }
    }
    if (intDigits.empty() && fracDigits.empty())
        return 0.0;

    // The exponent saturates far beyond the double range instead of
    // overflowing its integer.
    long long exponent = 0;
    if (Upper(cursor.Peek()) == 'E' || Upper(cursor.Peek()) == 'D') {
        cursor.Advance();
        bool negativeExponent = false;
        if (cursor.Peek() == '+' || cursor.Peek() == '-') {
            negativeExponent = cursor.Peek() == '-';
            cursor.Advance();
        }
        constexpr long long kSaturated = 1'000'000'000;
        while (IsDigit(cursor.Peek())) {
            if (exponent < kSaturated)
                exponent = exponent * 10 + (cursor.Peek() - '0');
            cursor.Advance();
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    const std::string normalized = (intDigits.empty() ? std::string("0") : intDigits) + '.'
        + (fracDigits.empty() ? std::string("0") : fracDigits) + 'e' + std::to_string(exponent);
    double magnitude = 0.0;
    const auto parsed = std::from_chars(normalized.data(), normalized.data() + normalized.size(), magnitude);
    if (parsed.ec == std::errc::result_out_of_range)
        magnitude = LeadingOrder(intDigits, fracDigits, exponent) >= 0 ? std::numeric_limits<double>::max() : 0.0;
    else if (parsed.ec != std::errc())
        magnitude = 0.0;
    return negative ? -magnitude : magnitude;
}

// Up to 15 significant digits in exponent form: "1E+15", "-1.5E+20". Only
// called for magnitudes of 1E+15 and more, so the exponent is positive.
std::string ExponentText(double value)
{
    char buffer[64];
    // Precision 14 gives one digit before the point and 14 after it.
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, written.ptr);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    while (mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa.back() == '.')
        mantissa.pop_back();
    return mantissa + "E+" + std::to_string(std::stoi(text.substr(e + 2)));
}

} // namespace

double ReadLeadingNumber(std::string_view text)
{
    Cursor cursor(text);
    if (cursor.Peek() == '&') {
        cursor.Advance();
        const char kind = Upper(cursor.Peek());
        if (kind == 'H' || kind == 'O') {
            cursor.Advance();
            return ReadRadixNumber(cursor, kind == 'H' ? 16 : 8);
        }
        return 0.0;
    }
    return ReadDecimalNumber(cursor);
}

std::string ToWholeNumberText(std::string_view text)
{
    const double whole = std::floor(ReadLeadingNumber(text));
    if (std::fabs(whole) >= 1e15)
        return ExponentText(whole);
    if (whole == 0.0)
        return "0"; // never "-0"
    return std::to_string(static_cast<std::int64_t>(whole));
}

} // namespace ui
