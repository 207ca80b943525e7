#pragma once

// The small dialog that adds a person or edits one: a name field, which has
// the focus, and the birthday as month, day and year controls, in the order
// of the main window's boxes; a typed day or year is taken as a whole, and
// the day never runs past its month. Return accepts, Escape cancels; the caller checks what was typed and keeps the dialog open with
// a message when the list refuses it.

#include "people/PeopleList.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ui {

class PersonDialog final : public QDialog {
    Q_OBJECT
public:
    // Whether the person can be kept; it tells the user why not.
    using Checker = std::function<bool(const people::Person&)>;

    PersonDialog(const QString& title, const people::Person& initial, Checker check, QWidget* owner);

    people::Person Person() const;
    void accept() override;

private:
    Checker check;
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblBirthday = nullptr;
    QComboBox* cboBirthMonth = nullptr;
    QSpinBox* spnBirthDay = nullptr;
    QSpinBox* spnBirthYear = nullptr;

    void LimitDay();
};

} // namespace ui
