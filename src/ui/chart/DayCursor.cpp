#include "ui/chart/DayCursor.h"

#include "chart/DayReading.h"

#include <algorithm>

namespace ui {
namespace {

// The day a key leads to from the given day, before the stop at the ends.
int KeyTarget(DayCursor::Key key, int day)
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
        return chart::kFirstDayOffset;
    case DayCursor::Key::End:
        return chart::kLastDayOffset;
    }
    return day;
}

} // namespace

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
    // A key that cannot move past an end is still the cursor's: it brings
    // the box back from the pointer.
    ShowOn(std::clamp(KeyTarget(key, day), chart::kFirstDayOffset, chart::kLastDayOffset));
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
