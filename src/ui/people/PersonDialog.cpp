#include "ui/people/PersonDialog.h"

#include "app/DateText.h"
#include "app/MessagePrompter.h"
#include "ui/widgets/DialogControls.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {
namespace {

// A spin box that holds what was typed, every digit of it, or nothing: a
// plain QSpinBox drops a digit that takes the number past its range and puts
// the nearest or the last number in place of text it cannot read, so a typed
// 2030 became 203 and then another date. Here the range only bounds the
// digits (any day 1 to 31, any four-digit year); nothing reads as 0 and
// shows empty; the date is judged at OK.
class TypedNumberBox final : public QSpinBox {
public:
    TypedNumberBox(int largest, QWidget* parent)
        : QSpinBox(parent)
    {
        setRange(0, largest);
        setKeyboardTracking(false);
    }

protected:
    QValidator::State validate(QString& text, int& pos) const override
    {
        return text.isEmpty() ? QValidator::Acceptable : QSpinBox::validate(text, pos);
    }
    int valueFromText(const QString& text) const override { return text.isEmpty() ? 0 : QSpinBox::valueFromText(text); }
    QString textFromValue(int value) const override { return value == 0 ? QString() : QSpinBox::textFromValue(value); }
    // The arrows step through 1 to the largest, never to nothing.
    StepEnabled stepEnabled() const override
    {
        StepEnabled enabled = StepNone;
        if (value() > 1)
            enabled |= StepDownEnabled;
        if (value() < maximum())
            enabled |= StepUpEnabled;
        return enabled;
    }
};

} // namespace

PersonDialog::PersonDialog(
    const QString& title, const people::Person& initial, Checker check, app::MessagePrompter& prompter, QWidget* owner)
    : QDialog(owner)
    , check(std::move(check))
    , prompter(prompter)
    , lblName(new QLabel(QStringLiteral("&Name:"), this))
    , txtName(new QLineEdit(initial.name, this))
    , lblBirthday(new QLabel(QStringLiteral("&Birthday:"), this))
    , cboBirthMonth(new QComboBox(this))
    , spnBirthDay(new TypedNumberBox(31, this))
    , spnBirthYear(new TypedNumberBox(9999, this))
{
    FrameDialog(*this, "frmPerson", title);
    setModal(true);

    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(QStringLiteral("Name"));
    txtName->setMaxLength(people::kMaxNameLength * 2);
    txtName->setMinimumWidth(txtName->fontMetrics().averageCharWidth() * 32);
    lblName->setBuddy(txtName);

    const QDate birthday = app::ToQDate(initial.birthday);
    cboBirthMonth->setObjectName(QStringLiteral("cboBirthMonth"));
    cboBirthMonth->setAccessibleName(QStringLiteral("Birth month"));
    for (int month = 1; month <= 12; ++month)
        cboBirthMonth->addItem(QLocale().monthName(month, QLocale::LongFormat));
    cboBirthMonth->setCurrentIndex(birthday.month() - 1);
    spnBirthYear->setObjectName(QStringLiteral("spnBirthYear"));
    spnBirthYear->setAccessibleName(QStringLiteral("Birth year"));
    spnBirthYear->setValue(birthday.year());
    spnBirthDay->setObjectName(QStringLiteral("spnBirthDay"));
    spnBirthDay->setAccessibleName(QStringLiteral("Birth day"));
    spnBirthDay->setValue(birthday.day());
    lblBirthday->setBuddy(cboBirthMonth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    // Return is OK's wherever the focus is; Cancel takes a click or Space.
    for (QAbstractButton* button : buttons->buttons())
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto* date = new QHBoxLayout;
    date->addWidget(cboBirthMonth);
    date->addWidget(spnBirthDay);
    date->addWidget(spnBirthYear);
    auto* form = new QFormLayout;
    form->addRow(lblName, txtName);
    form->addRow(lblBirthday, date);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &PersonDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PersonDialog::reject);
    txtName->setFocus(Qt::OtherFocusReason);
    txtName->selectAll();
}

people::Person PersonDialog::Person() const
{
    return { people::TrimmedName(txtName->text()),
        std::chrono::year_month_day { std::chrono::year { spnBirthYear->value() },
            std::chrono::month { static_cast<unsigned>(cboBirthMonth->currentIndex() + 1) },
            std::chrono::day { static_cast<unsigned>(spnBirthDay->value()) } } };
}

void PersonDialog::accept()
{
    // A day or year still being typed counts.
    spnBirthDay->interpretText();
    spnBirthYear->interpretText();
    Fault fault = Fault::None;
    if (spnBirthDay->value() == 0) {
        prompter.Show(QStringLiteral("Please enter the day of the birthday."), app::MessageIcon::Critical,
            app::MessageButtons::Ok);
        fault = Fault::Day;
    } else if (spnBirthYear->value() == 0) {
        prompter.Show(QStringLiteral("Please enter the year of the birthday."), app::MessageIcon::Critical,
            app::MessageButtons::Ok);
        fault = Fault::Year;
    } else if (check) {
        fault = check(Person());
    }
    if (fault == Fault::None)
        QDialog::accept();
    else
        FocusOn(fault);
}

void PersonDialog::FocusOn(Fault fault)
{
    switch (fault) {
    case Fault::Name:
        txtName->setFocus(Qt::OtherFocusReason);
        txtName->selectAll();
        break;
    case Fault::Month:
        cboBirthMonth->setFocus(Qt::OtherFocusReason);
        break;
    case Fault::Day:
    case Fault::Year: {
        QSpinBox* box = fault == Fault::Day ? spnBirthDay : spnBirthYear;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        break;
    }
    case Fault::None:
    case Fault::Elsewhere:
        break;
    }
}

} // namespace ui
