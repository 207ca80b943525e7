#include "ui/chart/ChartArea.h"

#include "chart/ChartPlot.h"
#include "ui/Look.h"
#include "ui/chart/ChartDescription.h"
#include "ui/chart/DayReadout.h"
#include "ui/chart/DayReadoutBox.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

constexpr int kSideTwips = 6465;
// Clear of the pointer's arrow, which hangs below and right of its tip.
constexpr int kPointerGap = 16;
constexpr int kCursorGap = 4;

// The focus goes to a menu and comes back from it: the area keeps its cursor.
bool IsMenuFocusReason(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

// The keyboard's day cursor: a one-pixel dotted line, in a colour none of the
// curves or lines has, so that it shows over the white report-day line too.
class DayCursorLine final : public QWidget {
public:
    explicit DayCursorLine(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("dayCursor"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        for (int y = 0; y < height(); y += 3)
            painter.fillRect(0, y, width(), 1, QColor(255, 255, 0));
    }
};

QWidget* MakeLine(QWidget* parent, const QString& name)
{
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::white);
    line->setPalette(palette);
    return line;
}

// Right-aligned, so that the text keeps to the area's right edge whatever the
// width of the font standing in for the one the layout was made with; a
// text wider than its place grows to the left.
QLabel* MakePercentLabel(QWidget* parent, int index, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblPercent"));
    label->setProperty("index", index);
    label->setFont(SansSerifFont(8.25, true));
    SetTextColor(label, Qt::white);
    label->setAutoFillBackground(false);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QRect rect = place;
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(text);
    if (textWidth > rect.width())
        rect.setLeft(rect.right() + 1 - textWidth);
    label->setGeometry(rect);
    return label;
}

} // namespace

ChartArea::ChartArea(QWidget* parent)
    : QWidget(parent)
    , surface(QSize(Px(kSideTwips), Px(kSideTwips)), devicePixelRatioF())
{
    setObjectName(QStringLiteral("picBiorhythm"));
    setFixedSize(Px(kSideTwips), Px(kSideTwips));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    // The font the "0%" label is measured with: the labels' own, so that
    // its text ends exactly at the right edge.
    setFont(SansSerifFont(8.25, true));

    // Created bottom first: later children lie above earlier ones.
    lnHor = MakeLine(this, QStringLiteral("lnHor"));
    lnVert = MakeLine(this, QStringLiteral("lnVert"));
    lblPercent[0] = MakePercentLabel(this, 0, QStringLiteral("100%"), TwipsRect(6000, 0, 465, 195));
    lblPercent[1] = MakePercentLabel(this, 1, QStringLiteral("0%"), TwipsRect(3690, 2790, 255, 195));
    lblPercent[2] = MakePercentLabel(this, 2, QStringLiteral("-100%"), TwipsRect(5940, 6270, 525, 195));
    lnHor->hide();
    lnVert->hide();

    setAccessibleName(QStringLiteral("Biorhythm chart"));
    setAccessibleDescription(NoChartDescription());
    setMouseTracking(true);
}

void ChartArea::SetScaleWidth(double width)
{
    surface.SetScaleWidth(width);
}

double ChartArea::ScaleWidth() const
{
    return surface.ScaleWidth();
}

double ChartArea::ScaleHeight() const
{
    return surface.ScaleHeight();
}

void ChartArea::SetupChartFrame()
{
    const double w = ScaleWidth();
    const double h = ScaleHeight();

    // The lines sit on the same pixels as the curves' 0% and report-day
    // points, so the curves cross them exactly.
    const int zeroRow = surface.LogicalY(h / 2);
    lnHor->setGeometry(QRect(QPoint(surface.LogicalX(0), zeroRow), QPoint(surface.LogicalX(w), zeroRow)));
    const int reportColumn = surface.LogicalX(w / 2);
    lnVert->setGeometry(QRect(QPoint(reportColumn, surface.LogicalY(0)), QPoint(reportColumn, surface.LogicalY(h))));
    lnHor->show();
    lnVert->show();

    // Half a text line below the 0% line, its text ending at the right edge.
    const QFontMetrics metrics(font());
    const QString zero = lblPercent[1]->text();
    const double textWidth = metrics.horizontalAdvance(zero) * w / width();
    const double textHeight = metrics.height() * h / height();
    const double top = h / 2 + textHeight / 2;
    const double left = w - textWidth;
    lblPercent[1]->setGeometry(qRound(left * width() / w), qRound(top * height() / h), metrics.horizontalAdvance(zero),
        lblPercent[1]->height());
}

void ChartArea::DrawChart(std::int32_t daysSinceBirth)
{
    MatchDeviceResolution();
    surface.Clear();
    chart::ChartPlot(surface).DrawCycles(daysSinceBirth);
    shownDays = daysSinceBirth;
    update();
}

void ChartArea::DescribeChart(const QDate& reportDay, std::int32_t daysSinceBirth)
{
    described = DescribedChart { reportDay, daysSinceBirth };
    readoutOffset.reset();
    cursorOffset = 0;
    SetDescription(ChartDescription(reportDay, daysSinceBirth, cursorOffset));
    if (hasFocus()) {
        readoutFollowsPointer = false;
        ShowCursor();
    } else {
        RefreshReadout();
    }
}

QImage ChartArea::Picture() const
{
    return surface.Image();
}

void ChartArea::MatchDeviceResolution()
{
    const qreal ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, surface.DevicePixelRatio()))
        return;
    const double width = surface.ScaleWidth();
    surface = RetainedSurface(size(), ratio);
    surface.SetScaleWidth(width);
    if (shownDays)
        chart::ChartPlot(surface).DrawCycles(*shownDays);
}

void ChartArea::SetDescription(const QString& description)
{
    // The setter raises QAccessible::DescriptionChanged, which a screen reader
    // speaks for the focused control, even for the same text (Qt 6.4): a key
    // that cannot move the cursor past an end stays silent, as in a list.
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

int ChartArea::DayColumn(int offset) const
{
    return surface.LogicalX(ScaleWidth() / 2 + offset);
}

void ChartArea::MoveCursorTo(int offset)
{
    cursorOffset = offset;
    SetDescription(ChartDescription(described->reportDay, described->daysSinceBirth, offset));
    readoutFollowsPointer = false;
    ShowCursor();
}

void ChartArea::ShowCursor()
{
    if (dayCursor == nullptr)
        dayCursor = new DayCursorLine(this);
    dayCursor->setGeometry(DayColumn(cursorOffset), 0, 1, height());
    dayCursor->show();
    dayCursor->raise();
    RefreshReadout();
}

void ChartArea::HideCursor()
{
    if (dayCursor != nullptr)
        dayCursor->hide();
    readoutFollowsPointer = hoverPoint.has_value();
    RefreshReadout();
}

void ChartArea::RefreshReadout()
{
    if (readoutFollowsPointer && hoverPoint) {
        const int offset = DayOffsetNear(hoverPoint->x() * ScaleWidth() / (width() - 1));
        ShowReadout(offset, *hoverPoint, kPointerGap);
    } else if (dayCursor != nullptr && dayCursor->isVisible()) {
        // At the top, clear of the "100%" label.
        SetReadoutDay(cursorOffset);
        const int top = lblPercent[0]->geometry().bottom() + 1 + kCursorGap;
        ShowReadout(cursorOffset, QPoint(DayColumn(cursorOffset), top + readout->height() / 2), kCursorGap);
    } else if (readout != nullptr) {
        readout->hide();
    }
}

void ChartArea::SetReadoutDay(int offset)
{
    if (readout == nullptr)
        readout = new DayReadoutBox(this);
    if (readoutOffset != offset) {
        readout->SetLines(DayReadoutLines(described->reportDay, described->daysSinceBirth, offset));
        readoutOffset = offset;
    }
}

void ChartArea::ShowReadout(int offset, QPoint anchor, int gap)
{
    SetReadoutDay(offset);
    readout->setGeometry(PlaceBeside(readout->size(), anchor, rect(), gap));
    readout->show();
    readout->raise();
}

void ChartArea::keyPressEvent(QKeyEvent* event)
{
    std::optional<int> target;
    if (described && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left:
            target = cursorOffset - 1;
            break;
        case Qt::Key_Right:
            target = cursorOffset + 1;
            break;
        case Qt::Key_PageUp:
            target = cursorOffset - 7;
            break;
        case Qt::Key_PageDown:
            target = cursorOffset + 7;
            break;
        case Qt::Key_Home:
            target = chart::kFirstDayOffset;
            break;
        case Qt::Key_End:
            target = chart::kLastDayOffset;
            break;
        default:
            break;
        }
    }
    if (!target) {
        // The menu keys, shortcuts and Tab go on to whoever handles them.
        QWidget::keyPressEvent(event);
        return;
    }
    MoveCursorTo(std::clamp(*target, chart::kFirstDayOffset, chart::kLastDayOffset));
    event->accept();
}

void ChartArea::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (!described)
        return;
    // Back from a menu, the cursor stays on its day.
    if (IsMenuFocusReason(event->reason()) && dayCursor != nullptr) {
        ShowCursor();
        return;
    }
    MoveCursorTo(0);
    // A click that brought the focus leaves the readout with the pointer.
    if (event->reason() == Qt::MouseFocusReason && hoverPoint) {
        readoutFollowsPointer = true;
        RefreshReadout();
    }
}

void ChartArea::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (described && !IsMenuFocusReason(event->reason()))
        HideCursor();
}

void ChartArea::mouseMoveEvent(QMouseEvent* event)
{
    if (!described) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    hoverPoint = event->position().toPoint();
    readoutFollowsPointer = true;
    RefreshReadout();
}

void ChartArea::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    hoverPoint.reset();
    readoutFollowsPointer = false;
    if (described)
        RefreshReadout();
}

void ChartArea::paintEvent(QPaintEvent* /*event*/)
{
    MatchDeviceResolution();
    QPainter painter(this);
    if (surface.HasImage())
        painter.drawImage(QPointF(0, 0), surface.Image());
    else
        painter.fillRect(rect(), Qt::black);
}

} // namespace ui
