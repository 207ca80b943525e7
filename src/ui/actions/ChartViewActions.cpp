#include "ui/actions/ChartViewActions.h"

#include "app/Clock.h"
#include "ui/chart/ChartArea.h"
#include "ui/planner/PlannerWindow.h"

#include <QAction>
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
    });
}

void ChartViewActions::SetClock(const app::Clock& newClock)
{
    clock = &newClock;
}

void ChartViewActions::AddTo(QMenu& menu) const
{
    menu.addAction(mnuMonthsAhead);
    menu.addAction(mnuLineStyles);
}

void ChartViewActions::ShowMonthsAhead()
{
    const std::optional<ShownChart>& shown = area.Shown();
    if (!shown)
        return;
    if (planner == nullptr)
        planner = new PlannerWindow({ services.saver }, prompter, area.window());
    planner->ShowChart(shown->person.birthday, shown->report, clock->Today());
}

void ChartViewActions::SetLineStyles(bool on)
{
    if (mnuLineStyles->isChecked() != on)
        mnuLineStyles->setChecked(on);
    area.SetLineStyles(on);
}

} // namespace ui
