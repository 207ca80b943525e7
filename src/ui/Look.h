#pragma once

// What every window shares: its fonts, colours, units, icon and pointer, the
// keys its buttons answer, and which moves of the focus its boxes answer.
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
#include <QRgb>
#include <QString>

#include <string_view>

class QWidget;

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// A text of the toolkit-free code, which keeps its texts in UTF-8.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Maps "MS Sans Serif" and "Verdana" to installed substitutes. Call once,
// after the QApplication exists and before any window is built.
void InstallFontSubstitutes();

// "MS Sans Serif" / "Verdana" at a point size (8.25, 9.75, ...).
QFont SansSerifFont(qreal pointSize, bool bold = false, bool underline = false);
QFont VerdanaFont(qreal pointSize, bool bold = false, bool underline = false);

// A colour written as 0x00BBGGRR. Inline, as the chart sets its points one
// by one in such colours.
constexpr QRgb RgbFromBgr(quint32 bgr)
{
    return qRgb(
        static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu), static_cast<int>((bgr >> 16) & 0xFFu));
}
QColor ColorFromBgr(quint32 bgr);

// The colour a label or other widget writes its text in.
void SetTextColor(QWidget* widget, const QColor& color);

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

// Return and Enter click whichever push button of the window has the focus,
// as command buttons do on Windows; outside a dialog Qt leaves a focused
// button deaf to both. Call once the window's buttons exist.
void LetEnterClickFocusedButtons(QWidget* window);

// Whether a focus change is a real move inside the window, which corrects or
// prompts a box: opening a box's own list, the menu bar or another window is
// none.
bool MovesFocusWithinWindow(Qt::FocusReason reason);

} // namespace ui
