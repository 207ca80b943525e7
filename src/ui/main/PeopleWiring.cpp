#include "ui/main/PeopleWiring.h"

#include "ui/chart/ChartArea.h"
#include "ui/dates/DateBoxes.h"
#include "ui/dates/DateEntry.h"
#include "ui/people/PeopleDialog.h"

#include <QComboBox>

namespace ui {

PeopleWiring::PeopleWiring(const DateBoxes& birthday, const DateBoxes& reportDay, const ChartArea& area,
    app::MessagePrompter& prompter, const app::Clock& clock, QWidget* window)
    : QObject(window)
    , birthday(birthday)
    , reportDay(reportDay)
    , area(area)
    , prompter(prompter)
    , clock(clock)
    , window(window)
{
    // An open dialog offers the dates the boxes spell at the moment it acts.
    for (const DateBoxes* boxes : { &birthday, &reportDay })
        for (QComboBox* box : boxes->Boxes())
            connect(box, &QComboBox::currentTextChanged, this, &PeopleWiring::TellBoxDates);
}

void PeopleWiring::OpenPeople()
{
    if (dialog == nullptr) {
        dialog = new PeopleDialog(prompter, clock, people::DefaultPeoplePath(), window);
        connect(dialog, &PeopleDialog::chartRequested, this, &PeopleWiring::ShowPersonChart);
    }
    TellBoxDates();
    dialog->SetCycles(area.Cycles());
    dialog->Open();
}

void PeopleWiring::TellBoxDates()
{
    if (dialog != nullptr)
        dialog->SetBoxDates(birthday.Date(), reportDay.Date());
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
    birthday.Show(person.birthday);
    emit chartRequested(person.name);
    dialog->ChartShown();
}

} // namespace ui
