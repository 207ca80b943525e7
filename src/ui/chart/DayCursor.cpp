#include "ui/chart/DayCursor.h"

#include "chart/DayReading.h"

#include <algorithm>

namespace ui {
namespace {

// The day a key leads to from the given day, between the first and the last,
// before the stop at the ends.
int KeyTarget(DayCursor::Key key, int day, int first, int last)
{
    switch (key) {
    case DayCursor::Key::Left:
        return day - 1;
    case DayCursor::Key::Right:
        return day + 1;
    case DayCursor::Key::PageUp:
        return day - 7;
    case DayCursor::Key::PageDown:
        return day + 7;
    case DayCursor::Key::Home:
        return first;
    case DayCursor::Key::End:
        return last;
    }
    return day;
}

} // namespace

void DayCursor::ChartShown(bool focused)
{
    DaysShown(chart::kFirstDayOffset, chart::kLastDayOffset, focused);
}

void DayCursor::DaysShown(int firstDay, int lastDay, bool focused)
{
    hasChart = true;
    first = firstDay;
    last = lastDay;
    day = 0;
    if (focused)
        ShowOn(0);
}

bool DayCursor::Press(Key key)
{
    return MoveTo(KeyTarget(key, day, first, last));
}

bool DayCursor::MoveTo(int newDay)
{
    if (!hasChart)
        return false;
    // A key that cannot move past an end is still the cursor's: it brings
    // the box back from the pointer.
    ShowOn(std::clamp(newDay, first, last));
    return true;
}

bool DayCursor::Click(int clicked)
{
    if (!hasChart)
        return false;
    ShowOn(std::clamp(clicked, first, last));
    pointerDay = day;
    boxFollowsPointer = true;
    return true;
}

void DayCursor::FocusIn(FocusReason reason)
{
    if (!hasChart)
        return;
    if (reason == FocusReason::Menu && cursorPlaced) {
        cursorShown = true;
        return;
    }
    ShowOn(onFocus == OnFocus::KeepDay ? day : 0);
    if (reason == FocusReason::Mouse && pointerDay)
        boxFollowsPointer = true;
}

void DayCursor::FocusOut(FocusReason reason)
{
    if (!hasChart || reason == FocusReason::Menu)
        return;
    cursorShown = false;
    boxFollowsPointer = pointerDay.has_value();
}

bool DayCursor::PointerMoved(int pointedDay)
{
    if (!hasChart)
        return false;
    pointerDay = pointedDay;
    boxFollowsPointer = true;
    return true;
}

void DayCursor::PointerLeft()
{
    pointerDay.reset();
    boxFollowsPointer = false;
}

DayCursor::Box DayCursor::ReadoutBox() const
{
    if (boxFollowsPointer && pointerDay)
        return { BoxAnchor::Pointer, *pointerDay };
    if (cursorShown)
        return { BoxAnchor::Cursor, day };
    return { BoxAnchor::Hidden, 0 };
}

void DayCursor::ShowOn(int newDay)
{
    day = newDay;
    boxFollowsPointer = false;
    cursorShown = true;
    cursorPlaced = true;
}

} // namespace ui
