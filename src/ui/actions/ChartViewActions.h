#pragma once

// The chart area's context menu items that show the chart on show in other
// ways: Months Ahead... (Ctrl+M while the area has the focus) opens the
// planner window for it, and the checkable Line Styles draws the area's
// curves in their line styles, off at each start. Both are disabled before
// the first chart, and so is the Cycles submenu, which shows the extra cycles beside the
// classical ones, secondary and combined, each checkable; the choice is kept
// in its own file between runs (people/CycleChoiceFile.h), read here at
// start when it exists and written at each change.
//
// In: the chart area, the clock (today, which the planner marks), the menu
// to add the items to. Out: the planner window, the area's line styles; the
// planner's pictures through the file saver.

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace app {
class Clock;
class MessagePrompter;
} // namespace app

namespace ui {

class ChartArea;
class FileSaver;
class PlannerWindow;

class ChartViewActions final : public QObject {
    Q_OBJECT
public:
    struct Services {
        // The planner's Save as PNG...; outlives the planner window.
        FileSaver* saver;
    };

    // The planner window tells prompter what stops its printing.
    ChartViewActions(ChartArea& area, Services services, app::MessagePrompter& prompter, QObject* parent);

    // Replaces the system clock (tests, and the program's own clock).
    void SetClock(const app::Clock& clock);

    // After "Critical Days...".
    void AddTo(QMenu& menu) const;

    void ShowMonthsAhead();
    void SetLineStyles(bool on);
    // Shows or hides one extra cycle (an index into chart::kEveryCycle) and
    // keeps the choice.
    void SetCycleShown(std::size_t cycle, bool shown);
    QMenu* CyclesMenu() const { return mnuCycles; }
    // Reads the choice of cycles kept at path (none when there is no such
    // file or it cannot be read), shows it, and keeps each later change
    // there. Until then the choice is kept nowhere.
    void KeepCyclesIn(const QString& path);

private:
    ChartArea& area;
    Services services;
    app::MessagePrompter& prompter;
    const app::Clock* clock;
    QAction* mnuMonthsAhead = nullptr;
    QAction* mnuLineStyles = nullptr;
    QMenu* mnuCycles = nullptr;
    QString cyclesPath;
    std::vector<QAction*> cycleItems; // in the order of chart::kEveryCycle's extra cycles
    PlannerWindow* planner = nullptr; // made at first use
};

} // namespace ui
