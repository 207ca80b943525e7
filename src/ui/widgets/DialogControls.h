#pragma once

// What the program's own dialogs (the About box, the critical days, the
// months ahead, the people, a person, the comparison) build alike: their
// frame, their buttons and the choice of a period.

#include <QDialogButtonBox>
#include <QString>

class QComboBox;
class QLabel;
class QDialog;
class QPushButton;
class QWidget;

namespace ui {

enum class DialogBorder {
    Fixed, // a title and a close box, nothing to resize it with
    Resizable, // a window of its own that can be maximised
};

// Names the dialog and gives it the program's frame: the border, the
// application's icon, the dialogs' font and the title.
void FrameDialog(QDialog& dialog, const char* name, const QString& title, DialogBorder border = DialogBorder::Fixed);

// A named push button that Return does not press when it has the focus:
// Return stays with the dialog's default button or the focused list.
QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text);

// A box holding the button that ends the dialog: its accept role accepts
// the dialog, its reject role rejects it. The box adds no margin, so the
// button stands where it would stand without it. Buttons that act without
// ending the dialog stay outside, where they are, as a box would move them
// to the end of the row on most desktops.
QDialogButtonBox* MakeEndingButtonBox(
    QDialog& dialog, QPushButton* button, QDialogButtonBox::ButtonRole role, Qt::Orientation orientation);

// The row that chooses a period, as the critical days and the months ahead
// have it: the "Period:" label for the box (lblPeriod, cboPeriod), the box
// offering 1, 3, 6 or 12 months, each item holding its count as its data,
// with months chosen, and the label that spells the period out (lblRange).
void SetUpPeriodRow(QLabel& label, QComboBox& box, QLabel& range, int months);

} // namespace ui
