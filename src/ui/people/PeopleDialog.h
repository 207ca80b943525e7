#pragma once

// The People dialog, from the chart area's context menu: the people the user
// keeps (PeopleModel.h), and buttons to add, edit, remove and reorder them,
// to show one's chart in the main window and to compare two
// (CompareWindow.h). The list is read from its file at the first opening and
// written after each change (people/PeopleFile.h); a file that cannot be
// read is reported once and kept aside before anything is saved.
//
// In: today from the clock, the dates the main window's boxes spell (set
// whenever they change), the user's keys and clicks. Out: the file, a chart
// request for a person's birthday (answered by ChartShown or ChartRefused),
// the Compare window. Modeless; a chart shown closes it, as a "go to" does,
// so that nothing of the chart is hidden behind it.

#include "chart/BiorhythmCycle.h"
#include "people/PeopleFile.h"

#include <QDialog>

#include <chrono>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace app {
class Clock;
class MessagePrompter;
} // namespace app

namespace ui {

class CompareWindow;
class PeopleModel;

class PeopleDialog final : public QDialog {
    Q_OBJECT
public:
    // path: the people's file.
    PeopleDialog(app::MessagePrompter& prompter, const app::Clock& clock, const QString& path, QWidget* owner);

    // Reads the file the first time, then shows the dialog.
    void Open();

    void AddPerson();
    void EditPerson();
    void RemovePerson();
    void MoveUp();
    void MoveDown();
    void ShowChart();
    void Compare();

    const people::PeopleList& List() const { return list; }

    // The dates the main window's boxes spell now; none when they spell no
    // date. Add starts from the birthday; Compare offers it and needs the
    // report day.
    void SetBoxDates(
        std::optional<std::chrono::year_month_day> birthday, std::optional<std::chrono::year_month_day> reportDay);
    // The answers to chartRequested: the chart is on show, and the dialog
    // makes way for it; or it cannot be shown, and the dialog says why.
    void ChartShown();
    void ChartRefused(const QString& reason);
    // The extra cycles its comparisons show beside the classical ones.
    void SetCycles(const chart::CycleChoice& choice) { cycles = choice; }

signals:
    // Show Chart, Return, or a double click on a row.
    void chartRequested(const people::Person& person);

private:
    void Load();
    // Keeps changed as the list if it can be saved; else tells the user and
    // leaves the list as it was.
    bool Keep(const people::PeopleList& changed, std::optional<std::size_t> select);
    void Refresh(std::optional<std::size_t> select);
    std::optional<std::size_t> Selected() const;
    void EnableButtons();
    // The add and edit dialog: the person typed is added, or put at
    // replacing, and saved at OK; the dialog stays open while the list
    // refuses it or cannot be saved.
    void AskPerson(const QString& title, const people::Person& initial, std::optional<std::size_t> replacing);

    app::MessagePrompter& prompter;
    const app::Clock& clock;
    std::optional<std::chrono::year_month_day> birthdayInBoxes;
    std::optional<std::chrono::year_month_day> reportDayInBoxes;
    people::PeopleFile file;
    people::PeopleList list;
    bool loaded = false;
    PeopleModel* model = nullptr;
    CompareWindow* compare = nullptr; // made at first use
    chart::CycleChoice cycles;

    QTableView* tblPeople = nullptr;
    QLabel* lblNote = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdMoveUp = nullptr;
    QPushButton* cmdMoveDown = nullptr;
    QPushButton* cmdShowChart = nullptr;
    QPushButton* cmdCompare = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace ui
