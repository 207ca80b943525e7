#pragma once

// What every window shares: its fonts, colours, units, icon and pointer.
//
// Window layouts are written in twips (1/1440 inch), 15 to a logical pixel.
// The two font families the layouts were made for, "MS Sans Serif" and
// "Verdana", are missing on Linux; InstallFontSubstitutes() maps them once at
// start-up to free fonts of similar width, so that every caption fits.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QRect>

namespace ui {

// Maps "MS Sans Serif" and "Verdana" to installed substitutes. Call once,
// after the QApplication exists and before any window is built.
void InstallFontSubstitutes();

// "MS Sans Serif" / "Verdana" at a point size (8.25, 9.75, ...).
QFont SansSerifFont(qreal pointSize, bool bold = false, bool underline = false);
QFont VerdanaFont(qreal pointSize, bool bold = false, bool underline = false);

// A colour written as 0x00BBGGRR.
QColor ColorFromBgr(quint32 bgr);

// Twips to logical pixels, rounded to the nearest pixel.
int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The application icon: three crossing waves, red, blue and light blue, on a
// blue ground (teal at 16 x 16). The window icon holds 16 to 64 pixels, from
// the images compiled into the program when it has them; the pixmap is drawn
// in code at any size.
QIcon ApplicationIcon();
QPixmap ApplicationIconPixmap(int size);

// The pointing hand shown over link labels.
QCursor HandCursor();

} // namespace ui
