#pragma once

// Turning whatever the user typed into a day or year box into the text of a
// whole number, the way the old dialog's lenient number reading did.
//
// Reading: blanks, tabs and line feeds are skipped wherever they stand; then
// an optional sign, digits, at most one period (whatever the locale) and an
// optional exponent after E or D; or a hexadecimal number after &H, or an
// octal one after &O (neither takes a sign). Reading stops at the first
// character that does not fit; a text without a number reads as 0.
// Magnitudes beyond the double range read as the largest finite double (of
// that sign), those below it as 0, so no text can produce an infinity.
//
// Writing: the largest whole number not above the value (toward minus
// infinity), in plain decimal below 1E+15 and, from there on, as up to 15
// significant digits with an exponent: "1E+15", "-1.5E+20",
// "1.23456789012346E+19". Fifteen digits is exactly where plain whole
// numbers stop fitting, so every text the function writes has at most 15
// significant digits.

#include <string>
#include <string_view>

namespace ui {

// The number at the start of text, read as described above.
double ReadLeadingNumber(std::string_view text);

// ReadLeadingNumber, rounded toward minus infinity, written as text.
std::string ToWholeNumberText(std::string_view text);

} // namespace ui
