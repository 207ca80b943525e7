#pragma once

// The Western single-byte code page, mapped both ways with our own table so
// that the scrambled settings read the same on every platform. Its five
// unassigned codes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same value, as Windows maps them: every code from 0 to 255
// has exactly one character. That matters because the digit 8 scrambles to
// 0x8D.

#include <optional>

namespace app {

// The character of a code; total over 0-255.
char16_t Windows1252ToUnicode(unsigned char code);

// The code of a character, or nothing when the code page has no such
// character.
std::optional<unsigned char> UnicodeToWindows1252(char16_t character);

} // namespace app
