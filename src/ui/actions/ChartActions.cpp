#include "ui/actions/ChartActions.h"

#include "app/MessagePrompter.h"
#include "chart/ValueTable.h"
#include "people/CycleChoiceFile.h"
#include "ui/Look.h"
#include "ui/actions/ChartViewActions.h"
#include "ui/actions/CriticalDaysDialog.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/ChartPicture.h"
#include "ui/drawing/PrintedPages.h"
#include "ui/widgets/Printing.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace ui {

ChartActions::ChartActions(ChartArea& area, app::MessagePrompter& prompter, QObject* parent)
    : QObject(parent)
    , area(area)
    , prompter(prompter)
    , saver(prompter)
{
    setObjectName(QStringLiteral("chartActions"));
    mnuCopyChart = AddAction("mnuCopyChart", QStringLiteral("Copy Chart"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuSaveChart = AddAction("mnuSaveChart", QStringLiteral("Save Chart As..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuExportValues
        = AddAction("mnuExportValues", QStringLiteral("Export Values..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuPrint = AddAction("mnuPrint", QStringLiteral("Print..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPrintPreview = AddAction("mnuPrintPreview", QStringLiteral("Print Preview..."), QKeySequence());
    mnuCriticalDays
        = AddAction("mnuCriticalDays", QStringLiteral("Critical Days..."), QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(mnuCopyChart, &QAction::triggered, this, &ChartActions::CopyChart);
    connect(mnuSaveChart, &QAction::triggered, this, &ChartActions::SaveChartAs);
    connect(mnuExportValues, &QAction::triggered, this, &ChartActions::ExportValues);
    connect(mnuPrint, &QAction::triggered, this, &ChartActions::Print);
    connect(mnuPrintPreview, &QAction::triggered, this, &ChartActions::PrintPreview);
    connect(mnuCriticalDays, &QAction::triggered, this, &ChartActions::ShowCriticalDays);
    connect(&area, &ChartArea::chartShown, this, &ChartActions::EnableItems);
    viewActions = MakeViewActions();
    area.installEventFilter(this);
}

QAction* ChartActions::AddAction(const char* name, const QString& text, const QKeySequence& shortcut)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // Only while the chart area has the focus: Ctrl+C in a date box still
    // copies its text.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setEnabled(false);
    area.addAction(action);
    return action;
}

void ChartActions::EnableItems()
{
    for (QAction* action : { mnuCopyChart, mnuSaveChart, mnuExportValues, mnuPrint, mnuPrintPreview, mnuCriticalDays })
        action->setEnabled(true);
}

void ChartActions::SetSavePathAsker(SavePathAsker asker)
{
    saver.SetPathAsker(std::move(asker));
}

QMenu* ChartActions::Menu()
{
    if (menu == nullptr) {
        menu = new QMenu(&area);
        menu->setObjectName(QStringLiteral("chartMenu"));
        menu->addAction(mnuCopyChart);
        menu->addAction(mnuSaveChart);
        menu->addAction(mnuExportValues);
        menu->addSeparator();
        menu->addAction(mnuPrint);
        menu->addAction(mnuPrintPreview);
        menu->addSeparator();
        menu->addAction(mnuCriticalDays);
        viewActions->AddTo(*menu);
        if (mnuPeople != nullptr)
            menu->addAction(mnuPeople);
    }
    return menu;
}

void ChartActions::ShowMenu(const QPoint& globalPosition)
{
    Menu()->popup(globalPosition);
}

bool ChartActions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &area) {
        if (event->type() == QEvent::ContextMenu) {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            ShowMenu(request->reason() == QContextMenuEvent::Mouse ? request->globalPos()
                                                                   : area.mapToGlobal(area.rect().center()));
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
                || (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
                ShowMenu(area.mapToGlobal(area.rect().center()));
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ChartActions::CopyChart()
{
    const std::optional<ShownChart>& shown = area.Shown();
    if (!shown)
        return;
    auto* data = new QMimeData;
    data->setImageData(ChartPicture(area));
    data->setText(FromUtf8(chart::ValuesTabSeparated(shown->person.birthday, shown->report, shown->cycles)));
    QGuiApplication::clipboard()->setMimeData(data);
}

FileToSave ChartActions::ChartFile(const QString& caption, const QString& extension, const QString& filter) const
{
    return { caption, DocumentName(), extension, filter };
}

void ChartActions::SaveChartAs()
{
    if (!area.Shown())
        return;
    saver.SavePng(area.window(),
        ChartFile(QStringLiteral("Save Chart As"), QStringLiteral("png"), QStringLiteral("PNG image (*.png)")),
        ChartPicture(area));
}

void ChartActions::ExportValues()
{
    const std::optional<ShownChart>& shown = area.Shown();
    if (!shown)
        return;
    saver.Save(area.window(),
        ChartFile(QStringLiteral("Export Values"), QStringLiteral("csv"), QStringLiteral("CSV file (*.csv)")),
        QByteArray::fromStdString(chart::ValuesCsv(shown->person.birthday, shown->report, shown->cycles)));
}

void ChartActions::Print()
{
    if (area.Shown())
        ui::Print(area.window(), Report(), prompter);
}

void ChartActions::PrintPreview()
{
    if (area.Shown())
        ui::PrintPreview(area.window(), Report(), prompter);
}

PrintedDocument ChartActions::Report() const
{
    return ReportDocument(DocumentName(), area.Shown()->person.birthday, area.Shown()->report, area.Shown()->cycles);
}

void ChartActions::ShowCriticalDays()
{
    const std::optional<ShownChart>& shown = area.Shown();
    if (!shown)
        return;
    if (criticalDays == nullptr)
        criticalDays = new CriticalDaysDialog(
            [this](const QByteArray& calendar) {
                saver.Save(area.window(),
                    ChartFile(QStringLiteral("Add to Calendar"), QStringLiteral("ics"),
                        QStringLiteral("iCalendar file (*.ics)")),
                    calendar);
            },
            area.window());
    criticalDays->ShowChart(shown->person, shown->report, !shown->cycles.Empty());
}

void ChartActions::SetPeopleOpener(std::function<void()> open)
{
    if (mnuPeople == nullptr) {
        mnuPeople = AddAction("mnuPeople", QStringLiteral("People..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
        mnuPeople->setEnabled(true);
        if (menu != nullptr)
            menu->addAction(mnuPeople);
    }
    mnuPeople->disconnect(this);
    connect(mnuPeople, &QAction::triggered, this, [open = std::move(open)] {
        if (open)
            open();
    });
}

ChartViewActions* ChartActions::MakeViewActions()
{
    ChartViewActions::Services services {
        &saver,
    };
    auto* actions = new ChartViewActions(area, std::move(services), prompter, this);
    actions->KeepCyclesIn(people::DefaultCycleChoicePath());
    return actions;
}

QString ChartActions::DocumentName() const
{
    const ShownChart& shown = *area.Shown();
    const QString report = FromUtf8(chart::IsoDate(shown.report));
    if (shown.person.name.isEmpty())
        return QStringLiteral("biorhythm-%1").arg(report);
    // A family's files side by side in one folder, each named after its
    // person, with what no file system takes in a name put as a dash.
    QString person = shown.person.name;
    for (QChar& c : person)
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('-');
    return QStringLiteral("biorhythm-%1-%2").arg(person, report);
}

} // namespace ui
