#pragma once

// What a widget's Qt events mean to its DayCursor, the same for every window
// that has one.

#include "ui/chart/DayCursor.h"

#include <QKeyEvent>

namespace ui {

// A cursor's keys come unmodified but for the keypad's; with Ctrl or Alt
// they are shortcuts, and go on to whoever handles them.
inline bool IsPlainCursorKey(const QKeyEvent& event)
{
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The focus goes to a menu, its own or the menu bar's, and comes back from
// it; a click is told apart since it leaves the readout with the pointer.
inline DayCursor::FocusReason CursorFocusReason(Qt::FocusReason reason)
{
    if (reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return DayCursor::FocusReason::Menu;
    return reason == Qt::MouseFocusReason ? DayCursor::FocusReason::Mouse : DayCursor::FocusReason::Other;
}

} // namespace ui
