#pragma once

// The critical days ahead of the chart on show, from the chart area's
// context menu: a table of the days from the report day on for a period of
// 1, 3, 6 or 12 months (3 at first; the choice is kept while the program
// runs), the next treble critical day after the report day, and buttons to
// save the period's days as an iCalendar file and to copy the table as text.
//
// In: the birthday and report day each time it opens. Out: the calendar
// file's text, handed to whoever asks where to save it and writes it; the
// clipboard. Made at the first use, modal, kept for the next.

#include "people/PeopleList.h"

#include <QDialog>

#include <chrono>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace ui {

class CriticalDaysModel;

class CriticalDaysDialog final : public QDialog {
    Q_OBJECT
public:
    // Asks where to save the calendar file, writes it and reports a failure.
    using CalendarSaver = std::function<void(const QByteArray& calendar)>;

    CriticalDaysDialog(CalendarSaver saveCalendar, QWidget* owner);

    // Fills the dialog for a person's chart and shows it; a person with a
    // name is named above the table and in the calendar's events. With extra
    // cycles on the chart, a line under the table says that the critical
    // days are still the classical cycles'.
    void ShowChart(const people::Person& person, std::chrono::year_month_day report, bool extraCyclesShown = false);

    void AddToCalendar();
    void CopyTable();

private:
    // The period's days, after a chart or a change of period.
    void ShowPeriod();

    CalendarSaver saveCalendar;
    people::Person person;
    std::chrono::year_month_day report {};
    CriticalDaysModel* model = nullptr;

    QLabel* lblPeriod = nullptr;
    QComboBox* cboPeriod = nullptr;
    QLabel* lblRange = nullptr;
    QTableView* tblCriticalDays = nullptr;
    QLabel* lblNextTreble = nullptr;
    QLabel* lblClassicalOnly = nullptr;
    QPushButton* cmdAddToCalendar = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace ui
