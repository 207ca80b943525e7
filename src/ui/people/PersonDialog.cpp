#include "ui/people/PersonDialog.h"

#include "app/DateText.h"
#include "ui/Look.h"

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

#include <algorithm>

namespace ui {

PersonDialog::PersonDialog(const QString& title, const people::Person& initial, Checker check, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , check(std::move(check))
    , lblName(new QLabel(QStringLiteral("&Name:"), this))
    , txtName(new QLineEdit(initial.name, this))
    , lblBirthday(new QLabel(QStringLiteral("&Birthday:"), this))
    , cboBirthMonth(new QComboBox(this))
    , spnBirthDay(new QSpinBox(this))
    , spnBirthYear(new QSpinBox(this))
{
    setObjectName(QStringLiteral("frmPerson"));
    setWindowTitle(title);
    setWindowIcon(ApplicationIcon());
    setFont(SansSerifFont(8.25));
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
    spnBirthYear->setRange(
        static_cast<int>(people::kFirstBirthday.year()), std::max(QDate::currentDate().year(), birthday.year()));
    spnBirthYear->setValue(birthday.year());
    spnBirthDay->setObjectName(QStringLiteral("spnBirthDay"));
    spnBirthDay->setAccessibleName(QStringLiteral("Birth day"));
    LimitDay();
    spnBirthDay->setValue(birthday.day());
    // A typed day or year is read once it is complete, not digit by digit,
    // so that typing 1984 never passes through the year 1.
    for (QSpinBox* box : { spnBirthDay, spnBirthYear }) {
        box->setKeyboardTracking(false);
        box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    }
    connect(cboBirthMonth, &QComboBox::currentIndexChanged, this, &PersonDialog::LimitDay);
    connect(spnBirthYear, &QSpinBox::valueChanged, this, &PersonDialog::LimitDay);
    lblBirthday->setBuddy(cboBirthMonth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
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

void PersonDialog::LimitDay()
{
    // The day stays within its month: 31 January turned to February becomes
    // its last day, not an impossible date.
    spnBirthDay->setRange(1, QDate(spnBirthYear->value(), cboBirthMonth->currentIndex() + 1, 1).daysInMonth());
}

void PersonDialog::accept()
{
    // A day or year still being typed counts.
    spnBirthDay->interpretText();
    spnBirthYear->interpretText();
    if (check && !check(Person())) {
        txtName->setFocus(Qt::OtherFocusReason);
        txtName->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace ui
