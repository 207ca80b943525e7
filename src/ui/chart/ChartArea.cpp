#include "ui/chart/ChartArea.h"

#include "ui/Look.h"
#include "ui/chart/ChartDescription.h"
#include "ui/chart/DayCursorEvents.h"
#include "ui/chart/DayReadout.h"
#include "ui/chart/DayReadoutBox.h"
#include "ui/drawing/ChartDrawing.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Clear of the pointer's arrow, which hangs below and right of its tip.
constexpr int kPointerGap = 16;
constexpr int kCursorGap = 4;

// The chart's keys: the day cursor's plain keys, each a day or a page of days.
std::optional<DayCursor::Key> CursorKey(const QKeyEvent& event)
{
    if (!IsPlainCursorKey(event))
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
    label->setFont(PercentLabelFont());
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
    , scaleWidth(static_cast<double>(ChartSize().width()) * kTwipsPerPixel)
{
    setObjectName(QStringLiteral("picBiorhythm"));
    setFixedSize(ChartSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    // The font the "0%" label is measured with: the labels' own, so that
    // its text ends exactly at the right edge.
    setFont(PercentLabelFont());

    // Created bottom first: later children lie above earlier ones. The
    // labels' places are those of the drawing (ChartDrawing.h), but for the
    // "0%" label, which keeps the layout's design place until a scale is set
    // up.
    lnHor = MakeLine(this, QStringLiteral("lnHor"));
    lnVert = MakeLine(this, QStringLiteral("lnVert"));
    const std::array<QString, 3>& texts = PercentLabelTexts();
    const ChartFrame frame = ChartFrameLayout(scaleWidth);
    lblPercent[0] = MakePercentLabel(this, 0, texts[0], frame.labels[0]);
    lblPercent[1] = MakePercentLabel(this, 1, texts[1], TwipsRect(3690, 2790, 255, 195));
    lblPercent[2] = MakePercentLabel(this, 2, texts[2], frame.labels[2]);
    lnHor->hide();
    lnVert->hide();

    setAccessibleName(QStringLiteral("Biorhythm chart"));
    setAccessibleDescription(NoChartDescription());
    setMouseTracking(true);
}

void ChartArea::SetScaleWidth(double width)
{
    // A scale that is not a positive finite width is refused and the old one
    // kept; the walk over such a scale would never end.
    if (width > 0.0 && std::isfinite(width))
        scaleWidth = width;
}

double ChartArea::ScaleWidth() const
{
    return scaleWidth;
}

double ChartArea::ScaleHeight() const
{
    return static_cast<double>(height()) * kTwipsPerPixel;
}

void ChartArea::SetupChartFrame()
{
    const ChartFrame frame = ChartFrameLayout(scaleWidth);
    lnHor->setGeometry(frame.zeroLine);
    lnVert->setGeometry(frame.reportLine);
    lnHor->show();
    lnVert->show();
    lblPercent[1]->setGeometry(frame.labels[1]);
}

void ChartArea::ShowChart(const ShownChart& chart)
{
    MatchDeviceResolution();
    shown = chart;
    shown->cycles = cycles;
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
    if (!kept.isNull())
        return kept;
    ChartDrawing black;
    black.frame = false;
    return ChartImage(black, devicePixelRatioF());
}

void ChartArea::DrawCycles()
{
    ChartDrawing drawing;
    drawing.daysSinceBirth = shown->DaysSinceBirth();
    drawing.lineStyles = lineStyles;
    drawing.cycles = cycles;
    // The lines and labels are the area's own controls, above the curves.
    drawing.frame = false;
    drawing.scaleWidth = scaleWidth;
    kept = ChartImage(drawing, devicePixelRatioF());
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

void ChartArea::SetCycles(const chart::CycleChoice& choice)
{
    if (choice == cycles)
        return;
    cycles = choice;
    if (!shown)
        return;
    shown->cycles = cycles;
    DrawCycles();
    update();
    readoutOffset.reset();
    describedOffset.reset();
    FollowCursor();
}

void ChartArea::MatchDeviceResolution()
{
    // The chart on show again, at the new screen's resolution.
    if (shown && !kept.isNull() && !qFuzzyCompare(devicePixelRatioF(), kept.devicePixelRatio()))
        DrawCycles();
}

int ChartArea::DayColumn(int offset) const
{
    // On the column of the curves' points for the day (ChartDrawing.h).
    return static_cast<int>(std::lround((scaleWidth / 2 + offset) / scaleWidth * (width() - 1)));
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
            ShowLineStyles(lines, shown->cycles);
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
    if (!kept.isNull())
        painter.drawImage(QPointF(0, 0), kept);
    else
        painter.fillRect(rect(), Qt::black);
}

} // namespace ui
