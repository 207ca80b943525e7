#include "ui/people/PeopleDialog.h"

#include "app/Clock.h"
#include "app/MessagePrompter.h"
#include "ui/Look.h"
#include "ui/people/CompareWindow.h"
#include "ui/people/PeopleModel.h"
#include "ui/people/PersonDialog.h"
#include "ui/widgets/DialogControls.h"

#include <QAccessible>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kVisibleRows = 10;

// The control a refused birthday sends the user back to: the first of year,
// month and day that goes past the limit it broke.
PersonDialog::Fault FaultOf(
    people::Refusal refusal, std::chrono::year_month_day birthday, std::chrono::year_month_day today)
{
    using Fault = PersonDialog::Fault;
    switch (refusal) {
    case people::Refusal::None:
        return Fault::None;
    case people::Refusal::EmptyName:
    case people::Refusal::LongName:
    case people::Refusal::ControlInName:
    case people::Refusal::DuplicateName:
        return Fault::Name;
    case people::Refusal::NoSuchDay:
        return Fault::Day;
    case people::Refusal::TooEarly:
    case people::Refusal::InTheFuture:
        break;
    }
    const std::chrono::year_month_day limit = refusal == people::Refusal::TooEarly ? people::kFirstBirthday : today;
    if (birthday.year() != limit.year())
        return Fault::Year;
    return birthday.month() != limit.month() ? Fault::Month : Fault::Day;
}

} // namespace

PeopleDialog::PeopleDialog(app::MessagePrompter& prompter, const app::Clock& clock, const QString& path, QWidget* owner)
    : QDialog(owner)
    , prompter(prompter)
    , clock(clock)
    , file(path)
    , model(new PeopleModel(this))
    , tblPeople(new QTableView(this))
    , lblNote(new QLabel(this))
    , cmdAdd(MakeDialogButton(this, "cmdAdd", QStringLiteral("&Add...")))
    , cmdEdit(MakeDialogButton(this, "cmdEdit", QStringLiteral("&Edit...")))
    , cmdRemove(MakeDialogButton(this, "cmdRemove", QStringLiteral("&Remove")))
    , cmdMoveUp(MakeDialogButton(this, "cmdMoveUp", QStringLiteral("Move &Up")))
    , cmdMoveDown(MakeDialogButton(this, "cmdMoveDown", QStringLiteral("Move &Down")))
    , cmdShowChart(MakeDialogButton(this, "cmdShowChart", QStringLiteral("&Show Chart")))
    , cmdCompare(MakeDialogButton(this, "cmdCompare", QStringLiteral("Co&mpare...")))
    , cmdClose(MakeDialogButton(this, "cmdClose", QStringLiteral("Close")))
{
    FrameDialog(*this, "frmPeople", QStringLiteral("People"));

    tblPeople->setObjectName(QStringLiteral("tblPeople"));
    tblPeople->setAccessibleName(QStringLiteral("People"));
    tblPeople->setModel(model);
    tblPeople->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPeople->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPeople->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPeople->setTabKeyNavigation(false);
    tblPeople->setWordWrap(false);
    tblPeople->setShowGrid(false);
    tblPeople->verticalHeader()->hide();
    tblPeople->horizontalHeader()->setHighlightSections(false);
    const int row = tblPeople->verticalHeader()->defaultSectionSize();
    tblPeople->setMinimumSize(Px(6000),
        tblPeople->horizontalHeader()->sizeHint().height() + kVisibleRows * row + 2 * tblPeople->frameWidth());
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->hide();

    auto* side = new QVBoxLayout;
    for (QPushButton* button : { cmdAdd, cmdEdit, cmdRemove, cmdMoveUp, cmdMoveDown })
        side->addWidget(button);
    side->addSpacing(12);
    side->addWidget(cmdShowChart);
    side->addWidget(cmdCompare);
    side->addStretch(1);
    side->addWidget(MakeEndingButtonBox(*this, cmdClose, QDialogButtonBox::RejectRole, Qt::Vertical));
    auto* left = new QVBoxLayout;
    left->addWidget(tblPeople, 1);
    left->addWidget(lblNote);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);

    connect(cmdAdd, &QPushButton::clicked, this, &PeopleDialog::AddPerson);
    connect(cmdEdit, &QPushButton::clicked, this, &PeopleDialog::EditPerson);
    connect(cmdRemove, &QPushButton::clicked, this, &PeopleDialog::RemovePerson);
    connect(cmdMoveUp, &QPushButton::clicked, this, &PeopleDialog::MoveUp);
    connect(cmdMoveDown, &QPushButton::clicked, this, &PeopleDialog::MoveDown);
    connect(cmdShowChart, &QPushButton::clicked, this, &PeopleDialog::ShowChart);
    connect(cmdCompare, &QPushButton::clicked, this, &PeopleDialog::Compare);
    // Return and Enter, on a row as anywhere, press the default button; a
    // row's double click does what they do.
    cmdShowChart->setDefault(true);
    connect(tblPeople, &QTableView::doubleClicked, this, &PeopleDialog::ShowChart);
}

void PeopleDialog::Open()
{
    if (!loaded)
        Load();
    Refresh(Selected().value_or(0));
    tblPeople->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void PeopleDialog::Load()
{
    loaded = true;
    people::PeopleFile::Loaded read = file.Load();
    list = std::move(read.list);
    if (read.state == people::PeopleFile::State::Unreadable)
        prompter.Show(
            QStringLiteral("The list of people in %1 could not be read: %2.\n\nThe list starts "
                           "empty. The file is kept as it is; before the new list is first saved "
                           "it is moved to %3.")
                .arg(QDir::toNativeSeparators(file.Path()), read.problem, QDir::toNativeSeparators(file.AsidePath())),
            app::MessageIcon::Critical, app::MessageButtons::Ok);
}

bool PeopleDialog::Keep(const people::PeopleList& changed, std::optional<std::size_t> select)
{
    QString error;
    if (!file.Save(changed, error)) {
        prompter.Show(QStringLiteral("The list of people could not be saved, so it is left as it was.\n%1").arg(error),
            app::MessageIcon::Critical, app::MessageButtons::Ok);
        return false;
    }
    list = changed;
    Refresh(select);
    return true;
}

void PeopleDialog::Refresh(std::optional<std::size_t> select)
{
    model->SetPeople(list, clock.Today());
    // The name takes what the other columns leave: names are what vary.
    tblPeople->resizeColumnsToContents();
    tblPeople->horizontalHeader()->setSectionResizeMode(PeopleModel::NameColumn, QHeaderView::Stretch);
    if (select && !list.IsEmpty()) {
        const QModelIndex row = model->index(static_cast<int>(std::min(*select, list.Size() - 1)), 0);
        tblPeople->setCurrentIndex(row);
        // Making the row current scrolls while the view is still catching up
        // with the new list, which left a row added to a long list, or moved,
        // out of sight: it is brought into sight once more.
        tblPeople->scrollTo(row);
    }
    EnableButtons();
}

std::optional<std::size_t> PeopleDialog::Selected() const
{
    const QModelIndex current = tblPeople->currentIndex();
    if (!current.isValid() || static_cast<std::size_t>(current.row()) >= list.Size())
        return std::nullopt;
    return static_cast<std::size_t>(current.row());
}

void PeopleDialog::EnableButtons()
{
    const std::optional<std::size_t> selected = Selected();
    for (QPushButton* button : { cmdEdit, cmdRemove, cmdShowChart })
        button->setEnabled(selected.has_value());
    cmdMoveUp->setEnabled(selected && *selected > 0);
    cmdMoveDown->setEnabled(selected && *selected + 1 < list.Size());
    // Two birthdays: two people, or one and the birthday in the boxes.
    cmdCompare->setEnabled(!list.IsEmpty());
    if (QItemSelectionModel* selection = tblPeople->selectionModel())
        connect(
            selection, &QItemSelectionModel::currentChanged, this, &PeopleDialog::EnableButtons, Qt::UniqueConnection);
}

void PeopleDialog::AskPerson(const QString& title, const people::Person& initial, std::optional<std::size_t> replacing)
{
    PersonDialog dialog(
        title, initial,
        [this, replacing](const people::Person& person) {
            const std::chrono::year_month_day today = clock.Today();
            people::PeopleList changed = list;
            const people::Refusal refusal
                = replacing ? changed.Replace(*replacing, person, today) : changed.Add(person, today);
            if (refusal != people::Refusal::None) {
                prompter.Show(people::RefusalText(refusal, person.name, person.birthday), app::MessageIcon::Critical,
                    app::MessageButtons::Ok);
                return FaultOf(refusal, person.birthday, today);
            }
            // Saved while the dialog is up, so that a list that cannot be
            // saved costs the user nothing they typed.
            return Keep(changed, replacing.value_or(changed.Size() - 1)) ? PersonDialog::Fault::None
                                                                         : PersonDialog::Fault::Elsewhere;
        },
        prompter, this);
    dialog.exec();
}

void PeopleDialog::AddPerson()
{
    const std::chrono::year_month_day today = clock.Today();
    std::chrono::year_month_day birthday = birthdayInBoxes.value_or(today);
    if (birthday > today || birthday < people::kFirstBirthday)
        birthday = today;
    AskPerson(QStringLiteral("Add Person"), { QString(), birthday }, {});
}

void PeopleDialog::EditPerson()
{
    if (const std::optional<std::size_t> selected = Selected())
        AskPerson(QStringLiteral("Edit Person"), list.People()[*selected], selected);
}

void PeopleDialog::RemovePerson()
{
    const std::optional<std::size_t> selected = Selected();
    if (!selected)
        return;
    const QString name = list.People()[*selected].name;
    if (prompter.Show(QStringLiteral("Remove %1 from the list?").arg(name), app::MessageIcon::Information,
            app::MessageButtons::YesNo)
        != app::MessageAnswer::Yes)
        return;
    people::PeopleList changed = list;
    changed.Remove(*selected);
    Keep(changed, selected);
}

void PeopleDialog::MoveUp()
{
    const std::optional<std::size_t> selected = Selected();
    if (!selected || *selected == 0)
        return;
    people::PeopleList changed = list;
    changed.Move(*selected, *selected - 1);
    Keep(changed, *selected - 1);
}

void PeopleDialog::MoveDown()
{
    const std::optional<std::size_t> selected = Selected();
    if (!selected || *selected + 1 >= list.Size())
        return;
    people::PeopleList changed = list;
    changed.Move(*selected, *selected + 1);
    Keep(changed, *selected + 1);
}

void PeopleDialog::ShowChart()
{
    const std::optional<std::size_t> selected = Selected();
    if (!selected)
        return;
    emit chartRequested(list.People()[*selected]);
}

void PeopleDialog::ChartRefused(const QString& reason)
{
    lblNote->setText(reason);
    lblNote->show();
    // Said at once: the focus stays on the row, away from the note.
    QAccessibleEvent alert(lblNote, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PeopleDialog::ChartShown()
{
    lblNote->hide();
    // The chart asked for is the one the user wants to see: the dialog goes
    // and the main window, with the chart, has the keyboard.
    accept();
    if (QWidget* owner = parentWidget()) {
        owner->window()->raise();
        owner->window()->activateWindow();
    }
}

void PeopleDialog::Compare()
{
    if (!reportDayInBoxes) {
        prompter.Show(
            QStringLiteral("Please Enter A Valid Report Day"), app::MessageIcon::Critical, app::MessageButtons::Ok);
        return;
    }
    if (compare == nullptr)
        compare = new CompareWindow(prompter, this);
    compare->SetCycles(cycles);
    compare->Open(list, birthdayInBoxes, *reportDayInBoxes, Selected().value_or(0));
}

void PeopleDialog::SetBoxDates(
    std::optional<std::chrono::year_month_day> birthday, std::optional<std::chrono::year_month_day> reportDay)
{
    birthdayInBoxes = birthday;
    reportDayInBoxes = reportDay;
}

} // namespace ui
