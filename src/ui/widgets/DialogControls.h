#pragma once

// Controls that the program's own dialogs (the critical days, the months
// ahead, the people) build alike.

#include <QString>

class QComboBox;
class QPushButton;
class QWidget;

namespace ui {

// A named push button that Return does not press when it has the focus:
// Return stays with the dialog's default button or the focused list.
QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text);

// The choice of a period: 1, 3, 6 or 12 months, each item holding its count
// as its data, with months chosen.
void FillPeriodBox(QComboBox& box, int months);

} // namespace ui
