#pragma once

// The months ahead drawn on any painter: the window's calendar, the printed
// pages, the renderer's PDF and PNG. Each month is a block with its name and
// year, the weekdays and one cell per day: the day's number, the initials of
// the cycles critical on it (P, E, I), and the three cycles' values at the
// start of the day as bars above and below a midline, in their colours and
// line styles (solid, dashed, dotted), so that they stay apart in grey and
// for colour-blind readers. Extra cycles chosen (chart::Planner::Cycles())
// get narrower bars after the classical ones and entries in the key; the
// initials and shading stay the classical cycles'. Double critical days are
// shaded, treble ones shaded darker; the report day is framed and today's
// number circled.
//
// In: a chart::Planner, the locale (month and weekday names, the first day
// of the week), the marks to set and a rectangle per block or page. Out:
// the drawing; where each day's cell lies, for the window's pointer.

#include "chart/Planner.h"

#include <QLocale>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>

#include <chrono>
#include <cstddef>
#include <optional>

class QPainter;

namespace ui {

struct PlannerMarks {
    std::optional<std::chrono::year_month_day> today;
    std::optional<std::size_t> cursor; // the keyboard's day, on screen only
};

// The first day of the locale's week. The window, its printing and the
// renderer all pass the user's locale, so that their weeks start alike.
std::chrono::weekday FirstWeekday(const QLocale& locale);

// A month block's size for cells of the given size: seven cells wide, six
// weeks high under its title and weekday rows, so that every block of a
// period has the same size whatever its month's weeks.
QSizeF PlannerBlockSize(QSizeF cell);

void DrawPlannerMonth(QPainter& painter, const QRectF& block, const chart::Planner& planner, std::size_t month,
    const QLocale& locale, const PlannerMarks& marks);

// The cell of a day of the month at index month, within its block.
QRectF PlannerDayRect(
    const QRectF& block, const chart::Planner& planner, std::size_t month, std::size_t day, const QLocale& locale);

// The key to the cells: each cycle's bar beside its name and style, the
// classical ones and then any extra ones chosen, then the marks on a line of
// their own, in a font of fontPixels and lines of lineHeight. An entry that
// would run past the strip's right edge starts a new line:
// PlannerLegendLines tells how many lines a width takes.
int PlannerLegendLines(qreal width, qreal fontPixels, const chart::CycleChoice& cycles = {});
void DrawPlannerLegend(
    QPainter& painter, const QRectF& strip, qreal fontPixels, qreal lineHeight, const chart::CycleChoice& cycles = {});

// The window's calendar, which its Copy and Save take too: the key above,
// then the blocks in rows of up to three, with cells of a fixed size in
// logical pixels, on white.
QSizeF PlannerCalendarSize(const chart::Planner& planner);
QRectF PlannerCalendarBlock(const chart::Planner& planner, std::size_t month);
void DrawPlannerCalendar(
    QPainter& painter, const chart::Planner& planner, const QLocale& locale, const PlannerMarks& marks);

// Printed, a month a page in landscape for up to three months, three
// months a page stacked in portrait for more, so that a year takes four.
struct PlannerPrintLayout {
    int monthsPerPage;
    QPageLayout::Orientation orientation;
};
PlannerPrintLayout PlannerPrintLayoutFor(int months);
int PlannerPageCount(const chart::Planner& planner);

// Page pageIndex (from 0) of the printed planner, in the page's printable
// rectangle: a heading, the page's months and the key.
void DrawPlannerPage(QPainter& painter, const QRectF& page, const chart::Planner& planner, int pageIndex,
    const QLocale& locale, std::optional<std::chrono::year_month_day> today);

} // namespace ui
