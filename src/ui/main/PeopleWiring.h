#pragma once

// The main window's side of the People dialog (ui/people/PeopleDialog.h):
// the dialog is made at its first opening, kept told of the dates the
// window's boxes spell as they change, and its chart requests are answered
// here: the person's birthday goes into the birthday boxes and the window is
// asked for the chart, or the dialog is told why the boxes cannot hold it.
// The dialog's comparisons show the extra cycles the chart area shows.

#include <QObject>
#include <QString>

class QWidget;

namespace app {
class Clock;
class MessagePrompter;
} // namespace app
namespace people {
struct Person;
}

namespace ui {

class ChartArea;
class DateBoxes;
class PeopleDialog;

class PeopleWiring final : public QObject {
    Q_OBJECT
public:
    // window: the main window, which owns the dialog and this.
    PeopleWiring(const DateBoxes& birthday, const DateBoxes& reportDay, const ChartArea& area,
        app::MessagePrompter& prompter, const app::Clock& clock, QWidget* window);

    void OpenPeople();

signals:
    // The boxes hold the person's birthday: the window draws the chart as
    // its chart button would, for the person named.
    void chartRequested(const QString& person);

private:
    void ShowPersonChart(const people::Person& person);
    void TellBoxDates();

    const DateBoxes& birthday;
    const DateBoxes& reportDay;
    const ChartArea& area;
    app::MessagePrompter& prompter;
    const app::Clock& clock;
    QWidget* window;
    PeopleDialog* dialog = nullptr; // made at first use
};

} // namespace ui
