#include "ui/planner/PlannerView.h"

#include "chart/DateComposition.h"
#include "ui/Look.h"
#include "ui/chart/ChartDescription.h"
#include "ui/chart/DayReadout.h"
#include "ui/chart/DayReadoutBox.h"
#include "ui/planner/PlannerPage.h"

#include <QKeyEvent>
#include <QPainter>

namespace ui {
namespace {

constexpr int kPointerGap = 16;
constexpr int kCursorGap = 4;

ShownChart ChartOf(const chart::Planner& planner)
{
    return { planner.Birth(), planner.Report() };
}

} // namespace

PlannerView::PlannerView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("calendarView"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Months ahead"));
}

void PlannerView::SetPlanner(const chart::Planner& shown, std::optional<std::chrono::year_month_day> day)
{
    planner = shown;
    today = day;
    hovered.reset();
    readoutDay.reset();
    if (readout != nullptr)
        readout->hide();
    resize(sizeHint());
    cursor = planner->ReportIndex();
    FollowFocus();
    update();
}

QSize PlannerView::sizeHint() const
{
    return planner ? PlannerCalendarSize(*planner).toSize() : QSize(100, 100);
}

QRectF PlannerView::DayRect(std::size_t day) const
{
    const std::vector<chart::PlannerMonth>& months = planner->Months();
    std::size_t month = 0;
    while (month + 1 < months.size() && months[month + 1].firstDay <= day)
        ++month;
    return PlannerDayRect(PlannerCalendarBlock(*planner, month), *planner, month, day, locale());
}

QRect PlannerView::CursorRect() const
{
    return planner ? DayRect(cursor).toAlignedRect() : QRect();
}

std::optional<std::size_t> PlannerView::DayAt(QPoint point) const
{
    if (!planner)
        return std::nullopt;
    for (std::size_t month = 0; month < planner->Months().size(); ++month) {
        const QRectF block = PlannerCalendarBlock(*planner, month);
        if (!block.contains(point))
            continue;
        const chart::PlannerMonth& m = planner->Months()[month];
        for (std::size_t day = m.firstDay; day < m.firstDay + m.dayCount; ++day)
            if (PlannerDayRect(block, *planner, month, day, locale()).contains(point))
                return day;
    }
    return std::nullopt;
}

QImage PlannerView::Picture() const
{
    const qreal ratio = devicePixelRatioF();
    QImage picture((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    if (planner) {
        QPainter painter(&picture);
        DrawPlannerCalendar(painter, *planner, locale(), { today, std::nullopt });
    }
    return picture;
}

QString PlannerView::DaySentence(const chart::Planner& planner, std::size_t day)
{
    const chart::PlannerDay& reading = planner.Days()[day];
    QString sentence = ChartDescription(ChartOf(planner), reading.reading.offset);
    if (reading.criticalCount >= 2)
        sentence
            += QStringLiteral("; %1 critical day")
                   .arg(FromUtf8(chart::CriticalKindName(static_cast<chart::CriticalKind>(reading.criticalCount))));
    return sentence;
}

void PlannerView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!planner)
        return;
    DrawPlannerCalendar(
        painter, *planner, locale(), { today, hasFocus() ? std::optional<std::size_t>(cursor) : std::nullopt });
}

void PlannerView::keyPressEvent(QKeyEvent* event)
{
    if (!planner || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    std::optional<std::size_t> to;
    switch (event->key()) {
    case Qt::Key_Left:
        to = planner->MoveDays(cursor, -1);
        break;
    case Qt::Key_Right:
        to = planner->MoveDays(cursor, 1);
        break;
    case Qt::Key_Up:
        to = planner->MoveDays(cursor, -7);
        break;
    case Qt::Key_Down:
        to = planner->MoveDays(cursor, 7);
        break;
    case Qt::Key_PageUp:
        to = planner->MoveMonths(cursor, -1);
        break;
    case Qt::Key_PageDown:
        to = planner->MoveMonths(cursor, 1);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = planner->Days().size() - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    MoveCursor(*to);
    event->accept();
}

void PlannerView::MoveCursor(std::size_t day)
{
    if (day == cursor)
        return; // silent at an end, as a list is
    cursor = day;
    FollowFocus();
    update();
    emit cursorMoved();
}

void PlannerView::FollowFocus()
{
    if (!planner)
        return;
    const QString sentence = DaySentence(*planner, cursor);
    if (sentence != accessibleDescription())
        setAccessibleDescription(sentence);
    if (hasFocus()) {
        const QRect cell = CursorRect();
        ShowReadout(cursor, QPoint(cell.right(), cell.center().y()), kCursorGap);
    } else if (hovered) {
        ShowReadout(*hovered, mapFromGlobal(QCursor::pos()), kPointerGap);
    } else if (readout != nullptr) {
        readout->hide();
    }
}

void PlannerView::ShowReadout(std::size_t day, QPoint anchor, int gap)
{
    if (readout == nullptr)
        readout = new DayReadoutBox(this);
    if (readoutDay != day) {
        std::vector<ReadoutLine> lines = DayReadoutLines(ChartOf(*planner), planner->Days()[day].reading.offset);
        ShowLineStyles(lines);
        readout->SetLines(std::move(lines));
        readoutDay = day;
    }
    readout->setGeometry(PlaceBeside(readout->size(), anchor, rect(), gap));
    readout->show();
    readout->raise();
}

void PlannerView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    FollowFocus();
    update();
}

void PlannerView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    FollowFocus();
    update();
}

void PlannerView::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<std::size_t> day = DayAt(event->position().toPoint());
    hovered = day;
    if (day)
        ShowReadout(*day, event->position().toPoint(), kPointerGap);
    else
        FollowFocus();
}

void PlannerView::mousePressEvent(QMouseEvent* event)
{
    // A click puts the cursor on the day, as in a calendar.
    if (const std::optional<std::size_t> day = DayAt(event->position().toPoint())) {
        setFocus(Qt::MouseFocusReason);
        MoveCursor(*day);
        hovered = day;
        ShowReadout(*day, event->position().toPoint(), kPointerGap);
    }
    QWidget::mousePressEvent(event);
}

void PlannerView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    hovered.reset();
    FollowFocus();
}

} // namespace ui
