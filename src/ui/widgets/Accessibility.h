#pragma once

// The controls several windows share, and what assistive technology is told
// about them: the clickable link label (ClickableLabel.h), the tick box that
// acts as a link (LinkCheckBox.h), their accessible interface
// (LinkAccessible.h) and the drop-down boxes' (ComboBoxAccessible.h). In:
// clicks and keys; out: clicked() and toggles to the window that owns them,
// and names, roles and press actions to a screen reader. They know nothing
// of any window.
//
// What a screen reader is told about the program's own controls, beyond what
// Qt tells it: link labels (and the exit screen's link check box) are links
// with a press action, and a drop-down box is named by its accessible name on
// every platform, not only on Windows.

namespace ui {

// Makes the interfaces above the ones Qt hands out. Safe to call any number
// of times; run it before the first of those controls is asked about, which
// the controls' own constructors and the main window do.
void InstallAccessibility();

} // namespace ui
