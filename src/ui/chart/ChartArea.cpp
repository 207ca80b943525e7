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
// A unit of the line styles' dash patterns on the one-pixel curves: long
// enough that a dot of the dotted curve reads as a dot, not as a gap.
constexpr double kStylePatternPixels = 1.5;

// The keys the day cursor answers: unmodified but for the keypad's.
std::optional<DayCursor::Key> CursorKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left:
        return DayCursor::Key::Left;
    case Qt::Key_Right:
        return DayCursor::Key::Right;
    case Qt::Key_PageUp:
        return DayCursor::Key::PageUp;
    case Qt::Key_PageDown:
        return DayCursor::Key::PageDown;
    case Qt::Key_Home:
        return DayCursor::Key::Home;
    case Qt::Key_End:
        return DayCursor::Key::End;
    default:
        return std::nullopt;
    }
}

// The focus goes to a menu, its own or the menu bar's, and comes back from
// it; a click is told apart since it leaves the readout with the pointer.
DayCursor::FocusReason CursorFocusReason(Qt::FocusReason reason)
{
    if (reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return DayCursor::FocusReason::Menu;
    return reason == Qt::MouseFocusReason ? DayCursor::FocusReason::Mouse : DayCursor::FocusReason::Other;
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

void ChartArea::ShowChart(const ShownChart& chart)
{
    MatchDeviceResolution();
    shown = chart;
    DrawCycles();
    update();
    readoutOffset.reset();
    describedOffset.reset();
    cursor.ChartShown(hasFocus());
    FollowCursor();
    emit chartShown();
}

QImage ChartArea::Picture() const
{
    return surface.Image();
}

void ChartArea::DrawFrame(QPainter& painter, bool labelsOnBlack) const
{
    if (labelsOnBlack)
        for (const QLabel* label : lblPercent)
            if (label->isVisibleTo(this))
                painter.fillRect(label->geometry(), Qt::black);
    // Bottom first, as they are stacked: the lines, then the labels.
    for (QWidget* part :
        std::initializer_list<QWidget*> { lnHor, lnVert, lblPercent[0], lblPercent[1], lblPercent[2] }) {
        if (!part->isVisibleTo(this))
            continue;
        // The lines fill their background; the labels are transparent and
        // must not be given one.
        part->render(&painter, part->pos(), QRegion(),
            part->autoFillBackground() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    }
}

void ChartArea::DrawCycles()
{
    surface.Clear();
    const chart::ChartPlot plot(surface);
    if (!lineStyles) {
        plot.DrawCycles(shown->DaysSinceBirth());
        return;
    }
    // Measured in logical pixels, so that a dash is as long at ratio 2 as
    // at ratio 1, only drawn more finely.
    plot.DrawStyledCycles(
        shown->DaysSinceBirth(), (width() - 1) / ScaleWidth(), (height() - 1) / ScaleHeight(), kStylePatternPixels);
}

void ChartArea::SetLineStyles(bool on)
{
    if (on == lineStyles)
        return;
    lineStyles = on;
    if (!shown)
        return;
    DrawCycles();
    update();
    readoutOffset.reset();
    FollowCursor();
}

void ChartArea::MatchDeviceResolution()
{
    const qreal ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, surface.DevicePixelRatio()))
        return;
    const double width = surface.ScaleWidth();
    surface = RetainedSurface(size(), ratio);
    surface.SetScaleWidth(width);
    // The chart on show again, at the new screen's resolution.
    if (shown)
        DrawCycles();
}

int ChartArea::DayColumn(int offset) const
{
    return surface.LogicalX(ScaleWidth() / 2 + offset);
}

void ChartArea::FollowCursor()
{
    if (!shown)
        return;
    if (cursor.CursorShown()) {
        if (dayCursor == nullptr)
            dayCursor = new DayCursorLine(this);
        dayCursor->setGeometry(DayColumn(cursor.Day()), 0, 1, height());
        dayCursor->show();
        dayCursor->raise();
    } else if (dayCursor != nullptr) {
        dayCursor->hide();
    }

    // The setter raises QAccessible::DescriptionChanged, which a screen reader
    // speaks for the focused control, even for the same text (Qt 6.4): a key
    // that cannot move the cursor past an end stays silent, as in a list.
    if (describedOffset != cursor.Day()) {
        describedOffset = cursor.Day();
        const QString description = ChartDescription(*shown, cursor.Day());
        if (description != accessibleDescription())
            setAccessibleDescription(description);
    }

    const DayCursor::Box box = cursor.ReadoutBox();
    if (box.anchor == DayCursor::BoxAnchor::Pointer) {
        ShowReadout(box.day, pointer, kPointerGap);
    } else if (box.anchor == DayCursor::BoxAnchor::Cursor) {
        // At the top, clear of the "100%" label.
        SetReadoutDay(box.day);
        const int top = lblPercent[0]->geometry().bottom() + 1 + kCursorGap;
        ShowReadout(box.day, QPoint(DayColumn(box.day), top + readout->height() / 2), kCursorGap);
    } else if (readout != nullptr) {
        readout->hide();
    }
}

void ChartArea::SetReadoutDay(int offset)
{
    if (readout == nullptr)
        readout = new DayReadoutBox(this);
    if (readoutOffset != offset) {
        std::vector<ReadoutLine> lines = DayReadoutLines(*shown, offset);
        if (lineStyles)
            ShowLineStyles(lines);
        readout->SetLines(std::move(lines));
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
    const std::optional<DayCursor::Key> key = CursorKey(*event);
    if (!key || !cursor.Press(*key)) {
        // The menu keys, shortcuts and Tab go on to whoever handles them.
        QWidget::keyPressEvent(event);
        return;
    }
    FollowCursor();
    event->accept();
}

void ChartArea::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    cursor.FocusIn(CursorFocusReason(event->reason()));
    FollowCursor();
}

void ChartArea::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    cursor.FocusOut(CursorFocusReason(event->reason()));
    FollowCursor();
}

void ChartArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!cursor.PointerMoved(DayOffsetNear(at.x() * ScaleWidth() / (width() - 1)))) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    pointer = at;
    FollowCursor();
}

void ChartArea::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    cursor.PointerLeft();
    FollowCursor();
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
