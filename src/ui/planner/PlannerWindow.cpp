#include "ui/planner/PlannerWindow.h"

#include "app/DateText.h"
#include "chart/Planner.h"
#include "chart/ValueTable.h"
#include "ui/Look.h"
#include "ui/drawing/PlannerDocument.h"
#include "ui/planner/PlannerView.h"
#include "ui/widgets/DialogControls.h"
#include "ui/widgets/FileSaver.h"
#include "ui/widgets/Printing.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kDefaultMonths = 3;

} // namespace

PlannerWindow::PlannerWindow(Services services, app::MessagePrompter& prompter, QWidget* owner)
    : QDialog(owner)
    , services(std::move(services))
    , prompter(prompter)
    , lblPeriod(new QLabel(QStringLiteral("&Period:"), this))
    , cboPeriod(new QComboBox(this))
    , lblRange(new QLabel(this))
    , scrCalendar(new QScrollArea(this))
    , calendarView(new PlannerView)
    , cmdPrint(MakeDialogButton(this, "cmdPrint", QStringLiteral("P&rint...")))
    , cmdPrintPreview(MakeDialogButton(this, "cmdPrintPreview", QStringLiteral("Print Pre&view...")))
    , cmdCopy(MakeDialogButton(this, "cmdCopy", QStringLiteral("&Copy")))
    , cmdSave(MakeDialogButton(this, "cmdSave", QStringLiteral("&Save as PNG...")))
    , cmdClose(MakeDialogButton(this, "cmdClose", QStringLiteral("Close")))
{
    FrameDialog(*this, "frmMonthsAhead", QStringLiteral("Months Ahead"), DialogBorder::Resizable);

    SetUpPeriodRow(*lblPeriod, *cboPeriod, *lblRange, kDefaultMonths);
    scrCalendar->setObjectName(QStringLiteral("scrCalendar"));
    scrCalendar->setWidget(calendarView);
    scrCalendar->setBackgroundRole(QPalette::Base);
    // The arrows walk the days, not the scroll bars.
    scrCalendar->setFocusPolicy(Qt::NoFocus);

    auto* period = new QHBoxLayout;
    period->addWidget(lblPeriod);
    period->addWidget(cboPeriod);
    period->addSpacing(12);
    period->addWidget(lblRange, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { cmdPrint, cmdPrintPreview, cmdCopy, cmdSave })
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(MakeEndingButtonBox(*this, cmdClose, QDialogButtonBox::RejectRole, Qt::Horizontal));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(scrCalendar, 1);
    layout->addLayout(buttons);
    setTabOrder(cboPeriod, calendarView);

    connect(cboPeriod, &QComboBox::currentIndexChanged, this, &PlannerWindow::ShowPeriod);
    connect(calendarView, &PlannerView::cursorMoved, this, [this] {
        scrCalendar->ensureVisible(calendarView->CursorRect().center().x(), calendarView->CursorRect().center().y(),
            calendarView->CursorRect().width(), calendarView->CursorRect().height() * 3);
    });
    connect(cmdPrint, &QPushButton::clicked, this, &PlannerWindow::Print);
    connect(cmdPrintPreview, &QPushButton::clicked, this, &PlannerWindow::PrintPreview);
    connect(cmdCopy, &QPushButton::clicked, this, &PlannerWindow::CopyPicture);
    connect(cmdSave, &QPushButton::clicked, this, &PlannerWindow::SavePicture);
}

void PlannerWindow::ShowChart(std::chrono::year_month_day birthDay, std::chrono::year_month_day reportDay,
    std::optional<std::chrono::year_month_day> day, const chart::CycleChoice& shownCycles)
{
    birth = birthDay;
    report = reportDay;
    today = day;
    cycles = shownCycles;
    ShowPeriod();
    calendarView->setFocus(Qt::OtherFocusReason);
    if (!isVisible()) {
        // Whole on the screen, title bar included: a window manager that
        // centres it over the small main window can push its top off.
        const QRect screen = this->screen() != nullptr ? this->screen()->availableGeometry() : QRect();
        if (screen.isValid())
            move(screen.left() + std::max(0, (screen.width() - frameGeometry().width()) / 2),
                screen.top() + std::max(0, (screen.height() - frameGeometry().height()) / 3));
    }
    show();
    raise();
    activateWindow();
}

PlannerRequest PlannerWindow::Request() const
{
    return { birth, report, cboPeriod->currentData().toInt(), today, cycles };
}

void PlannerWindow::ShowPeriod()
{
    const chart::Planner planner(birth, report, cboPeriod->currentData().toInt(), cycles);
    calendarView->SetPlanner(planner, today);
    const QLocale locale;
    lblRange->setText(QStringLiteral("From %1 to %2")
                          .arg(locale.toString(app::ToQDate(planner.Days().front().date), QLocale::LongFormat),
                              locale.toString(app::ToQDate(planner.Days().back().date), QLocale::LongFormat)));

    // As wide as the calendar and as tall as the screen allows.
    const QSize calendar = calendarView->size();
    const int frame = 2 * scrCalendar->frameWidth();
    const QRect screen = this->screen() != nullptr ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    scrCalendar->setMinimumWidth(
        std::min(calendar.width() + frame + scrCalendar->verticalScrollBar()->sizeHint().width(), screen.width() - 40));
    scrCalendar->setMinimumHeight(std::min(calendar.height() + frame, screen.height() * 2 / 3));
    adjustSize();
    scrCalendar->ensureVisible(calendarView->CursorRect().center().x(), calendarView->CursorRect().center().y());
}

QString PlannerWindow::DocumentName() const
{
    return QStringLiteral("biorhythm-planner-%1").arg(FromUtf8(chart::IsoDate(report)));
}

PrintedDocument PlannerWindow::Document() const
{
    return PlannerDocument(DocumentName(), Request());
}

void PlannerWindow::Print()
{
    ui::Print(this, Document(), prompter);
}

void PlannerWindow::PrintPreview()
{
    ui::PrintPreview(this, Document(), prompter);
}

void PlannerWindow::CopyPicture()
{
    QApplication::clipboard()->setImage(calendarView->Picture());
}

void PlannerWindow::SavePicture()
{
    services.saver->SavePng(this,
        { QStringLiteral("Save as PNG"), DocumentName(), QStringLiteral("png"), QStringLiteral("PNG image (*.png)") },
        calendarView->Picture());
}

} // namespace ui
