#pragma once

// The small dialog that adds a person or edits one: a name field, which has
// the focus, and the birthday as month, day and year controls, in the order
// of the main window's boxes. A typed day or year is taken as a whole and
// exactly as typed, never trimmed to a range nor replaced by another number:
// whether the date is one to keep is judged at OK, where a refusal is told
// and the focus goes back to the control it is about. Return accepts, Escape
// cancels; the caller checks and keeps the person at OK, so the dialog stays
// open, with what was typed, while the list refuses it or cannot be saved.

#include "people/PeopleList.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace app {
class MessagePrompter;
}

namespace ui {

class PersonDialog final : public QDialog {
    Q_OBJECT
public:
    // What a refusal is about: where the focus goes once the user is told.
    enum class Fault { None, Name, Month, Day, Year, Elsewhere };
    // Keeps the person, or tells the user why not and says which control
    // the refusal is about: Fault::None when kept, Elsewhere when nothing
    // typed is at fault (the list could not be saved).
    using Checker = std::function<Fault(const people::Person&)>;

    PersonDialog(const QString& title, const people::Person& initial, Checker check, app::MessagePrompter& prompter,
        QWidget* owner);

    people::Person Person() const;
    void accept() override;

private:
    Checker check;
    app::MessagePrompter& prompter;
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblBirthday = nullptr;
    QComboBox* cboBirthMonth = nullptr;
    QSpinBox* spnBirthDay = nullptr;
    QSpinBox* spnBirthYear = nullptr;

    void FocusOn(Fault fault);
};

} // namespace ui
