#include "ui/people/PersonDialog.h"

#include "app/DateText.h"
#include "ui/Look.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

PersonDialog::PersonDialog(const QString& title, const people::Person& initial, Checker check, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , check(std::move(check))
    , lblName(new QLabel(QStringLiteral("&Name:"), this))
    , txtName(new QLineEdit(initial.name, this))
    , lblBirthday(new QLabel(QStringLiteral("&Birthday:"), this))
    , dtBirthday(new QDateEdit(app::ToQDate(initial.birthday), this))
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
    dtBirthday->setObjectName(QStringLiteral("dtBirthday"));
    dtBirthday->setAccessibleName(QStringLiteral("Birthday"));
    // Year, month and day each a section the arrows step, in the user's own
    // order, always with four digits of year.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    dtBirthday->setDisplayFormat(format);
    dtBirthday->setMinimumDate(app::ToQDate(people::kFirstBirthday));
    dtBirthday->setCalendarPopup(true);
    lblBirthday->setBuddy(dtBirthday);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    auto* form = new QFormLayout;
    form->addRow(lblName, txtName);
    form->addRow(lblBirthday, dtBirthday);
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
    const QDate date = dtBirthday->date();
    return { people::TrimmedName(txtName->text()),
        std::chrono::year_month_day { std::chrono::year { date.year() },
            std::chrono::month { static_cast<unsigned>(date.month()) },
            std::chrono::day { static_cast<unsigned>(date.day()) } } };
}

void PersonDialog::accept()
{
    if (check && !check(Person())) {
        txtName->setFocus(Qt::OtherFocusReason);
        txtName->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace ui
