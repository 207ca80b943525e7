#pragma once

// The Compare window: two birthdays, each a kept person or the birthday in
// the main window's boxes, over the 28 days around the report day in the
// boxes. One chart of both (ui/drawing/ChartDrawing.h: the first
// person's curves solid, the second's dashed) with a legend that names them,
// and the compatibility of each cycle and overall (chart/Compatibility.h),
// each row a sentence for a screen reader. Copy puts the picture and the
// figures on the clipboard; Print and Print Preview print the comparison
// page (ui/drawing/ComparisonPage.h) through ui/widgets/Printing.h. Chosen
// extra cycles (SetCycles) join the chart, the legend, the figures and the
// page; a secondary cycle gets a compatibility row of its own.

#include "chart/BiorhythmCycle.h"
#include "people/PeopleList.h"
#include "ui/drawing/ComparisonPage.h"

#include <QDialog>

#include <chrono>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace app {
class MessagePrompter;
}

namespace ui {

class ComparisonLegend;

class CompareWindow final : public QDialog {
    Q_OBJECT
public:
    CompareWindow(app::MessagePrompter& prompter, QWidget* owner);

    // Offers the people and the birthday in the boxes (when they spell one);
    // the first person is the one at `first`, the second the next one.
    void Open(const people::PeopleList& list, std::optional<std::chrono::year_month_day> boxes,
        std::chrono::year_month_day report, std::size_t first);

    // The extra cycles beside the classical three, none at first; what is
    // on show is drawn again with them.
    void SetCycles(const chart::CycleChoice& choice);

    Comparison Current() const;
    void CopyComparison();
    void Print();
    void PrintPreview();

private:
    // The print job's name, which a printer to file suggests as the file's.
    QString DocumentName() const;
    void ShowComparison();
    QString FiguresText() const;
    void FitTable();

    app::MessagePrompter& prompter;
    std::vector<people::Person> choices; // the boxes' birthday without a name
    std::chrono::year_month_day report {};
    chart::CycleChoice cycles;

    QLabel* lblFirst = nullptr;
    QComboBox* cboFirst = nullptr;
    QLabel* lblSecond = nullptr;
    QComboBox* cboSecond = nullptr;
    QLabel* lblReportDay = nullptr;
    QLabel* picComparison = nullptr;
    ComparisonLegend* legend = nullptr;
    QTableWidget* tblCompatibility = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace ui
