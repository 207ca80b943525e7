#pragma once

// The rules of a day cursor and of the readout box, apart from any widget:
// which day each key leads to, where the cursor starts again, and whether
// the box stands beside the pointer or beside the cursor. The chart area and
// the months ahead's calendar each feed one their keys, clicks, focus
// changes and pointer moves, and show what it answers; both describe the
// cursor's day to a screen reader, and only when that day changes, so that
// a key stopped at an end stays silent, as in a list.
//
// - Days count from the report day; the chart's run from kFirstDayOffset to
//   kLastDayOffset, a calendar's over its whole period.
// - Before the first chart there are no days: no key is the cursor's, the
//   focus, the pointer and clicks change nothing.
// - Left and Right move the cursor one day, Page Up and Page Down seven,
//   Home and End to the first and last day; it stops at those ends. A
//   window with other moves (a calendar's months) works out the day and
//   moves the cursor there, under the same rules.
// - The cursor stands on the report day with each new chart. When the area
//   gains the focus it starts again on the report day, or, in a calendar,
//   keeps its day as a list keeps its row. It goes when the focus leaves. A
//   menu opened over the area (its own, or the menu bar's) takes the focus
//   for a while only: the cursor stays, on its day.
// - The box follows the pointer while the pointer moves over a day, and the
//   cursor once a key moves it or the area gains the focus; with neither, it
//   goes. A click that gives the area the focus leaves it with the pointer,
//   and so does a click that puts the cursor on a day.

#include <optional>

namespace ui {

class DayCursor {
public:
    enum class Key { Left, Right, PageUp, PageDown, Home, End };
    // Why the focus came or went, as far as the cursor is concerned.
    enum class FocusReason { Menu, Mouse, Other };
    // Where the cursor stands when the focus comes back other than from a
    // menu.
    enum class OnFocus { ReportDay, KeepDay };
    enum class BoxAnchor { Hidden, Pointer, Cursor };
    struct Box {
        BoxAnchor anchor;
        int day; // from the report day; 0 when hidden
    };

    DayCursor() = default;
    explicit DayCursor(OnFocus onFocus)
        : onFocus(onFocus)
    { }

    // A chart is shown, the first or another; focused: whether the area has
    // the focus. The chart's days, or first to last (first <= 0 <= last).
    void ChartShown(bool focused);
    void DaysShown(int first, int last, bool focused);

    // Whether the key is the cursor's, that is taken; if so the cursor moves.
    bool Press(Key key);
    // A key of the window's own leads to the day: taken as Press takes a
    // key, the day kept within the days shown.
    bool MoveTo(int day);
    // A click on a day puts the cursor there. False, and nothing changes,
    // before the first chart.
    bool Click(int day);
    void FocusIn(FocusReason reason);
    void FocusOut(FocusReason reason);
    // The pointer moves over the area, nearest to the given day. False, and
    // nothing changes, before the first chart.
    bool PointerMoved(int day);
    // The pointer leaves the area, or is over none of its days.
    void PointerLeft();

    bool HasChart() const { return hasChart; }
    // The cursor's day, from the report day.
    int Day() const { return day; }
    bool CursorShown() const { return cursorShown; }
    Box ReadoutBox() const;

private:
    void ShowOn(int newDay);

    OnFocus onFocus = OnFocus::ReportDay;
    bool hasChart = false;
    int first = 0;
    int last = 0;
    int day = 0;
    bool cursorShown = false;
    // Whether the cursor was ever shown: back from a menu, only a cursor that
    // stood somewhere keeps its day.
    bool cursorPlaced = false;
    std::optional<int> pointerDay;
    bool boxFollowsPointer = false;
};

} // namespace ui
