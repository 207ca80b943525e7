#include "ui/actions/ChartViewActions.h"

#include "app/Clock.h"
#include "app/MessagePrompter.h"
#include "people/CycleChoiceFile.h"
#include "ui/chart/ChartArea.h"
#include "ui/planner/PlannerWindow.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace ui {
namespace {

QAction* MakeAction(ChartArea& area, QObject* owner, const char* name, const QString& text)
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setEnabled(false);
    area.addAction(action);
    return action;
}

} // namespace

ChartViewActions::ChartViewActions(ChartArea& area, Services services, app::MessagePrompter& prompter, QObject* parent)
    : QObject(parent)
    , area(area)
    , services(std::move(services))
    , prompter(prompter)
{
    static const app::SystemClock systemClock;
    clock = &systemClock;
    mnuMonthsAhead = MakeAction(area, this, "mnuMonthsAhead", QStringLiteral("Months Ahead..."));
    mnuMonthsAhead->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuLineStyles = MakeAction(area, this, "mnuLineStyles", QStringLiteral("Line Styles"));
    mnuLineStyles->setCheckable(true);
    connect(mnuMonthsAhead, &QAction::triggered, this, &ChartViewActions::ShowMonthsAhead);
    connect(mnuLineStyles, &QAction::toggled, this, &ChartViewActions::SetLineStyles);
    connect(&area, &ChartArea::chartShown, this, [this] {
        mnuMonthsAhead->setEnabled(true);
        mnuLineStyles->setEnabled(true);
        mnuCycles->setEnabled(true);
    });

    // The submenu belongs to the area, as the context menu it goes into.
    mnuCycles = new QMenu(QStringLiteral("Cycles"), &area);
    mnuCycles->setObjectName(QStringLiteral("mnuCycles"));
    mnuCycles->setEnabled(false);
    chart::CycleKind group = chart::CycleKind::Classical;
    for (std::size_t i = chart::kClassicalCount; i < chart::kEveryCycle.size(); ++i) {
        const chart::BiorhythmCycle& cycle = chart::kEveryCycle[i];
        if (cycle.kind != group) {
            group = cycle.kind;
            mnuCycles->addSection(
                group == chart::CycleKind::Secondary ? QStringLiteral("Secondary") : QStringLiteral("Combined"));
        }
        QAction* item
            = mnuCycles->addAction(QString::fromUtf8(cycle.name.data(), static_cast<qsizetype>(cycle.name.size())));
        item->setObjectName(QStringLiteral("mnuCycle") + item->text());
        item->setCheckable(true);
        connect(item, &QAction::toggled, this, [this, i](bool on) { SetCycleShown(i, on); });
        cycleItems.push_back(item);
    }
}

void ChartViewActions::KeepCyclesIn(const QString& path)
{
    cyclesPath = QString();
    const chart::CycleChoice kept = people::LoadCycleChoice(path);
    for (std::size_t i = chart::kClassicalCount; i < chart::kEveryCycle.size(); ++i)
        SetCycleShown(i, kept.Has(i));
    cyclesPath = path;
}

void ChartViewActions::SetClock(const app::Clock& newClock)
{
    clock = &newClock;
}

void ChartViewActions::AddTo(QMenu& menu) const
{
    menu.addAction(mnuMonthsAhead);
    menu.addAction(mnuLineStyles);
    menu.addMenu(mnuCycles);
}

void ChartViewActions::ShowMonthsAhead()
{
    const std::optional<ShownChart>& shown = area.Shown();
    if (!shown)
        return;
    if (planner == nullptr)
        planner = new PlannerWindow({ services.saver }, prompter, area.window());
    planner->ShowChart(shown->person.birthday, shown->report, clock->Today(), shown->cycles);
}

void ChartViewActions::SetCycleShown(std::size_t cycle, bool shown)
{
    if (cycle < chart::kClassicalCount || cycle >= chart::kEveryCycle.size())
        return;
    QAction* item = cycleItems[cycle - chart::kClassicalCount];
    if (item->isChecked() != shown)
        item->setChecked(shown); // comes back here through toggled()
    chart::CycleChoice choice = area.Cycles();
    if (choice.Has(cycle) == shown)
        return;
    choice.Set(cycle, shown);
    area.SetCycles(choice);
    if (cyclesPath.isEmpty())
        return;
    const QString error = people::SaveCycleChoice(cyclesPath, choice);
    if (!error.isEmpty())
        prompter.Show(QStringLiteral("Could Not Save %1\nThe cycles shown stay chosen until the program ends. %2")
                          .arg(QDir::toNativeSeparators(cyclesPath), error),
            app::MessageIcon::Critical, app::MessageButtons::Ok);
}

void ChartViewActions::SetLineStyles(bool on)
{
    if (mnuLineStyles->isChecked() != on)
        mnuLineStyles->setChecked(on);
    area.SetLineStyles(on);
}

} // namespace ui
