#pragma once

// What the user can do with the chart on show, from the chart area's context
// menu (right click, the Menu key or Shift+F10) or its shortcuts while the
// area has the focus: copy it (the picture and the value table as
// tab-separated text, in one clipboard item), save the picture as PNG,
// export the values as CSV, print the report page or preview it, list the
// critical days ahead, the months ahead and the line styles
// (ChartViewActions.h), and the people the main window keeps. Before the
// first chart every item but People... is disabled.
//
// In: the chart area and the chart it shows (ChartArea::Shown), the message
// prompter for what goes to the user. Out: the clipboard, files (through the
// one FileSaver, which the planner's saves share), the printer. Menu() is the
// one place that builds the menu; each item is made by AddAction.

#include "ui/widgets/FileSaver.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QKeySequence;
class QMenu;
class QPoint;
class QWidget;

namespace app {
class MessagePrompter;
}

namespace ui {

class ChartArea;
class ChartViewActions;
class CriticalDaysDialog;
struct PrintedDocument;

class ChartActions : public QObject {
    Q_OBJECT
public:
    // Every item is enabled once the area shows its first chart.
    ChartActions(ChartArea& area, app::MessagePrompter& prompter, QObject* parent = nullptr);

    // Replaces the file dialog (tests).
    void SetSavePathAsker(SavePathAsker asker);

    // The context menu, made when first needed.
    QMenu* Menu();

    // Months Ahead... and Line Styles.
    ChartViewActions& ViewActions() { return *viewActions; }

    void CopyChart();
    void SaveChartAs();
    void ExportValues();
    void Print();
    void PrintPreview();
    void ShowCriticalDays();

    // The People dialog, which the main window keeps and opens: with an
    // opener the menu offers "People..." (Ctrl+Shift+P) after "Critical
    // Days...", enabled before the first chart too.
    void SetPeopleOpener(std::function<void()> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddAction(const char* name, const QString& text, const QKeySequence& shortcut);
    void EnableItems();
    void ShowMenu(const QPoint& globalPosition);
    // What the file dialog shows for the chart on show's files.
    FileToSave ChartFile(const QString& caption, const QString& extension, const QString& filter) const;
    // The report page of the chart on show.
    PrintedDocument Report() const;
    QString DocumentName() const;
    ChartViewActions* MakeViewActions();

    ChartArea& area;
    app::MessagePrompter& prompter;
    FileSaver saver;

    QAction* mnuCopyChart = nullptr;
    QAction* mnuSaveChart = nullptr;
    QAction* mnuExportValues = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuCriticalDays = nullptr;
    QAction* mnuPeople = nullptr; // with a people opener only
    QMenu* menu = nullptr;
    CriticalDaysDialog* criticalDays = nullptr; // made at first use
    ChartViewActions* viewActions = nullptr;
};

} // namespace ui
