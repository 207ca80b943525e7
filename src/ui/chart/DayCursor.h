#pragma once

// The rules of the chart area's day cursor and of the readout box, apart from
// any widget: which day each key leads to, where the cursor starts again, and
// whether the box stands beside the pointer or beside the cursor. The chart
// area feeds it its keys, focus changes and pointer moves, and shows what it
// answers.
//
// - Before the first chart there are no days: no key is the cursor's, the
//   focus and the pointer change nothing.
// - Left and Right move the cursor one day, Page Up and Page Down seven,
//   Home and End to the chart's first and last day; it stops at those ends.
// - The cursor stands on the report day with each new chart and whenever the
//   area gains the focus, and goes when the focus leaves. A menu opened over
//   the area (its own, or the menu bar's) takes the focus for a while only:
//   the cursor stays, on its day.
// - The box follows the pointer while the pointer moves over the area, and
//   the cursor once a key moves it or the area gains the focus; with
//   neither, it goes. A click that gives the area the focus leaves it with
//   the pointer.

#include <optional>

namespace ui {

class DayCursor {
public:
    enum class Key { Left, Right, PageUp, PageDown, Home, End };
    // Why the focus came or went, as far as the cursor is concerned.
    enum class FocusReason { Menu, Mouse, Other };
    enum class BoxAnchor { Hidden, Pointer, Cursor };
    struct Box {
        BoxAnchor anchor;
        int day; // from the report day; 0 when hidden
    };

    // A chart is shown, the first or another; focused: whether the area has
    // the focus.
    void ChartShown(bool focused);

    // Whether the key is the cursor's, that is taken; if so the cursor moves.
    bool Press(Key key);
    void FocusIn(FocusReason reason);
    void FocusOut(FocusReason reason);
    // The pointer moves over the area, nearest to the given day. False, and
    // nothing changes, before the first chart.
    bool PointerMoved(int day);
    void PointerLeft();

    bool HasChart() const { return hasChart; }
    // The cursor's day, from the report day.
    int Day() const { return day; }
    bool CursorShown() const { return cursorShown; }
    Box ReadoutBox() const;

private:
    void ShowOn(int newDay);

    bool hasChart = false;
    int day = 0;
    bool cursorShown = false;
    // Whether the cursor was ever shown: back from a menu, only a cursor that
    // stood somewhere keeps its day.
    bool cursorPlaced = false;
    std::optional<int> pointerDay;
    bool boxFollowsPointer = false;
};

} // namespace ui
