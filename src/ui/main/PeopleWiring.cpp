#include "ui/main/PeopleWiring.h"

#include "chart/DateComposition.h"
#include "ui/Look.h"
#include "ui/main/DateEntry.h"
#include "ui/people/PeopleDialog.h"

#include <QComboBox>

namespace ui {
namespace {

std::optional<std::chrono::year_month_day> DateIn(const DateBoxes& boxes)
{
    return chart::ComposeDate(boxes.month->currentText().toStdString(), boxes.day->currentText().toStdString(),
        boxes.year->currentText().toStdString());
}

// A pick-only list shows only its entries: any other text leaves it as it is.
void PickText(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly);
    if (index >= 0)
        box->setCurrentIndex(index);
}

} // namespace

PeopleWiring::PeopleWiring(
    DateBoxes birthday, DateBoxes reportDay, app::MessagePrompter& prompter, const app::Clock& clock, QWidget* window)
    : QObject(window)
    , birthday(birthday)
    , reportDay(reportDay)
    , prompter(prompter)
    , clock(clock)
    , window(window)
{
    // An open dialog offers the dates the boxes spell at the moment it acts.
    for (const DateBoxes& boxes : { birthday, reportDay })
        for (QComboBox* box : { boxes.month, boxes.day, boxes.year })
            connect(box, &QComboBox::currentTextChanged, this, &PeopleWiring::TellBoxDates);
}

void PeopleWiring::OpenPeople()
{
    if (dialog == nullptr) {
        dialog = new PeopleDialog(prompter, clock, people::DefaultPeoplePath(), window);
        connect(dialog, &PeopleDialog::chartRequested, this, &PeopleWiring::ShowPersonChart);
    }
    TellBoxDates();
    dialog->Open();
}

void PeopleWiring::TellBoxDates()
{
    if (dialog != nullptr)
        dialog->SetBoxDates(DateIn(birthday), DateIn(reportDay));
}

void PeopleWiring::ShowPersonChart(const people::Person& person)
{
    const int year = static_cast<int>(person.birthday.year());
    if (year > kLastBirthYear) {
        dialog->ChartRefused(
            QStringLiteral("The main window's birth years end in %1, so %2's chart cannot be shown there. %2 can "
                           "still be kept in the list and compared.")
                .arg(kLastBirthYear)
                .arg(person.name));
        return;
    }
    PickText(
        birthday.month, FromUtf8(chart::kMonthAbbreviations.at(static_cast<unsigned>(person.birthday.month()) - 1)));
    // The day box is editable: the text is the value, whether listed or not.
    const QString day = QString::number(static_cast<unsigned>(person.birthday.day()));
    birthday.day->setCurrentIndex(birthday.day->findText(day, Qt::MatchExactly));
    birthday.day->setEditText(day);
    PickText(birthday.year, QString::number(year));
    emit chartRequested(person.name);
    dialog->ChartShown();
}

} // namespace ui
