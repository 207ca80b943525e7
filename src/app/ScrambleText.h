#pragma once

// The fixed character shift under which setting names and values are stored.
// Codes are those of the ANSI code page: the system's on Windows, so that
// values written by earlier versions read back unchanged, and Windows-1252
// everywhere else. A character the code page lacks, or whose shifted code
// leaves 0-255, is dropped; nothing here ever fails.

#include <QString>

namespace app {

inline constexpr int kScrambleShift = 85;

// Adds the shift to every character's code.
QString ScrambleText(const QString& text);

// Takes the shift away again; the inverse of ScrambleText for every text
// whose characters all have codes from 0 to 170.
QString UnscrambleText(const QString& text);

} // namespace app
