#pragma once

// The months ahead of the chart on show, from the chart area's context menu:
// a calendar from the first day of the report day's month for 1, 3, 6 or 12
// months (3 at first; the choice stays while the program runs), walked by
// keyboard or pointer with the chart's readout, and buttons to print it,
// preview the print, copy the calendar's picture and save it as PNG.
//
// In: the birthday, report day, today and the extra cycles chosen each time
// it opens. Out: the
// picture to the clipboard or to a file (ui/widgets/FileSaver.h); the
// period's pages to the printer (ui/widgets/Printing.h, which tells the prompter
// what went wrong). Made at first use, not modal, kept for the next.

#include "ui/drawing/PlannerRequest.h"
#include "ui/drawing/PrintedDocument.h"

#include <QDialog>

#include <chrono>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace app {
class MessagePrompter;
}

namespace ui {

class FileSaver;
class PlannerView;

class PlannerWindow final : public QDialog {
    Q_OBJECT
public:
    struct Services {
        // Saves the picture as PNG; outlives the window.
        FileSaver* saver;
    };

    PlannerWindow(Services services, app::MessagePrompter& prompter, QWidget* owner);

    // Fills the window for a chart, with the extra cycles the chart shows,
    // and shows it.
    void ShowChart(std::chrono::year_month_day birth, std::chrono::year_month_day report,
        std::optional<std::chrono::year_month_day> today, const chart::CycleChoice& cycles = {});

    // The period's pages as Print and Print Preview hand them on.
    PrintedDocument Document() const;
    void Print();
    void PrintPreview();
    void CopyPicture();
    void SavePicture();

private:
    void ShowPeriod();
    PlannerRequest Request() const;
    QString DocumentName() const;

    Services services;
    app::MessagePrompter& prompter;
    std::chrono::year_month_day birth {};
    std::chrono::year_month_day report {};
    std::optional<std::chrono::year_month_day> today;
    chart::CycleChoice cycles;

    QLabel* lblPeriod = nullptr;
    QComboBox* cboPeriod = nullptr;
    QLabel* lblRange = nullptr;
    QScrollArea* scrCalendar = nullptr;
    PlannerView* calendarView = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPrintPreview = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace ui
