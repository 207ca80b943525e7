#include "ui/planner/PlannerView.h"

#include "chart/DateComposition.h"
#include "ui/Look.h"
#include "ui/chart/ChartDescription.h"
#include "ui/chart/DayCursorEvents.h"
#include "ui/chart/DayReadout.h"
#include "ui/chart/DayReadoutBox.h"
#include "ui/drawing/PlannerPage.h"

#include <QKeyEvent>
#include <QPainter>

namespace ui {
namespace {

constexpr int kPointerGap = 16;
constexpr int kCursorGap = 4;

ShownChart ChartOf(const chart::Planner& planner)
{
    ShownChart chart { planner.Birth(), planner.Report() };
    chart.cycles = planner.Cycles();
    return chart;
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
    readoutDay.reset();
    describedDay.reset();
    resize(sizeHint());
    // Another period lays the days out anew: the pointer is over a day again
    // at its next move.
    cursor.PointerLeft();
    cursor.DaysShown(Offset(0), Offset(planner->Days().size() - 1), hasFocus());
    FollowCursor();
    update();
}

int PlannerView::Offset(std::size_t day) const
{
    return static_cast<int>(day) - static_cast<int>(planner->ReportIndex());
}

std::size_t PlannerView::Index(int offset) const
{
    return static_cast<std::size_t>(offset + static_cast<int>(planner->ReportIndex()));
}

std::size_t PlannerView::CursorDay() const
{
    return planner ? Index(cursor.Day()) : 0;
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
    return planner ? DayRect(CursorDay()).toAlignedRect() : QRect();
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
    DrawPlannerCalendar(painter, *planner, locale(),
        { today, cursor.CursorShown() ? std::optional<std::size_t>(CursorDay()) : std::nullopt });
}

void PlannerView::keyPressEvent(QKeyEvent* event)
{
    if (!planner || !IsPlainCursorKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const std::size_t from = CursorDay();
    std::size_t to = from;
    switch (event->key()) {
    case Qt::Key_Left:
        to = planner->MoveDays(from, -1);
        break;
    case Qt::Key_Right:
        to = planner->MoveDays(from, 1);
        break;
    case Qt::Key_Up:
        to = planner->MoveDays(from, -7);
        break;
    case Qt::Key_Down:
        to = planner->MoveDays(from, 7);
        break;
    case Qt::Key_PageUp:
        to = planner->MoveMonths(from, -1);
        break;
    case Qt::Key_PageDown:
        to = planner->MoveMonths(from, 1);
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
    cursor.MoveTo(Offset(to));
    FollowMove(Offset(from));
    event->accept();
}

void PlannerView::FollowMove(int from)
{
    FollowCursor();
    if (cursor.Day() == from)
        return;
    update();
    emit cursorMoved();
}

void PlannerView::FollowCursor()
{
    if (!planner)
        return;
    // The setter raises QAccessible::DescriptionChanged even for the same
    // text: a key that cannot move the cursor past an end stays silent.
    if (describedDay != CursorDay()) {
        describedDay = CursorDay();
        const QString sentence = DaySentence(*planner, CursorDay());
        if (sentence != accessibleDescription())
            setAccessibleDescription(sentence);
    }
    const DayCursor::Box box = cursor.ReadoutBox();
    if (box.anchor == DayCursor::BoxAnchor::Pointer) {
        ShowReadout(Index(box.day), pointer, kPointerGap);
    } else if (box.anchor == DayCursor::BoxAnchor::Cursor) {
        const QRect cell = DayRect(Index(box.day)).toAlignedRect();
        ShowReadout(Index(box.day), QPoint(cell.right(), cell.center().y()), kCursorGap);
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
        ShowLineStyles(lines, planner->Cycles());
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
    // A dialog being shown sends its focus widget a focus event before its
    // window is active; the real one follows when it is.
    if (hasFocus())
        cursor.FocusIn(CursorFocusReason(event->reason()));
    FollowCursor();
    update();
}

void PlannerView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    cursor.FocusOut(CursorFocusReason(event->reason()));
    FollowCursor();
    update();
}

void PlannerView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const std::optional<std::size_t> day = DayAt(at); day && cursor.PointerMoved(Offset(*day)))
        pointer = at;
    else
        cursor.PointerLeft(); // between the cells and months, as off the calendar
    FollowCursor();
}

void PlannerView::mousePressEvent(QMouseEvent* event)
{
    // A click puts the cursor on the day, as in a calendar.
    const QPoint at = event->position().toPoint();
    if (const std::optional<std::size_t> day = DayAt(at)) {
        setFocus(Qt::MouseFocusReason);
        const int from = cursor.Day();
        pointer = at;
        cursor.Click(Offset(*day));
        FollowMove(from);
    }
    QWidget::mousePressEvent(event);
}

void PlannerView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    cursor.PointerLeft();
    FollowCursor();
}

} // namespace ui
