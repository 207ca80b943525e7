#include "ui/chart/DayCursor.h"

#include "chart/DayReading.h"

#include <algorithm>

namespace ui {

void DayCursor::ChartShown(bool focused)
{
    hasChart = true;
    day = 0;
    if (focused)
        ShowOn(0);
}

bool DayCursor::Press(Key key)
{
    if (!hasChart)
        return false;
    int target = day;
    switch (key) {
    case Key::Left:
        target = day - 1;
        break;
    case Key::Right:
        target = day + 1;
        break;
    case Key::PageUp:
        target = day - 7;
        break;
    case Key::PageDown:
        target = day + 7;
        break;
    case Key::Home:
        target = chart::kFirstDayOffset;
        break;
    case Key::End:
        target = chart::kLastDayOffset;
        break;
    }
    // A key that cannot move past an end is still the cursor's: it brings
    // the box back from the pointer.
    ShowOn(std::clamp(target, chart::kFirstDayOffset, chart::kLastDayOffset));
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
    ShowOn(0);
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
