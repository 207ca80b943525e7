#include "ui/chart/DayReadoutBox.h"

#include "ui/Look.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

constexpr int kPadding = 5;
// The stretch of a cycle's line before its text, and the space after it.
constexpr int kSampleWidth = 22;
constexpr int kSampleGap = 4;

QFont LineFont(const ReadoutLine& line)
{
    return SansSerifFont(8.25, line.bold);
}

} // namespace

DayReadoutBox::DayReadoutBox(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("dayReadout"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DayReadoutBox::SetLines(std::vector<ReadoutLine> newLines)
{
    lines = std::move(newLines);
    int width = 0;
    int height = 0;
    for (const ReadoutLine& line : lines) {
        const QFontMetrics metrics(LineFont(line));
        width = std::max(width, metrics.horizontalAdvance(line.text) + (line.style ? kSampleWidth + kSampleGap : 0));
        height += metrics.lineSpacing();
    }
    resize(width + 2 * kPadding, height + 2 * kPadding);
    update();
}

void DayReadoutBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(32, 32, 32));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    int top = kPadding;
    for (const ReadoutLine& line : lines) {
        const QFont font = LineFont(line);
        const QFontMetrics metrics(font);
        painter.setFont(font);
        int left = kPadding;
        if (line.style) {
            // As the chart's curves: one pixel, the pattern's unit 1.5 pixels.
            const std::vector<double> pattern = chart::DashPattern(*line.style);
            QPen pen(QColor(line.colour), 1.5);
            pen.setCapStyle(Qt::FlatCap);
            if (!pattern.empty())
                pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
            painter.setPen(pen);
            const qreal y = top + metrics.ascent() - metrics.xHeight() / 2.0;
            painter.drawLine(QPointF(left, y), QPointF(left + kSampleWidth, y));
            left += kSampleWidth + kSampleGap;
        }
        painter.setPen(QColor(line.colour));
        painter.drawText(left, top + metrics.ascent(), line.text);
        top += metrics.lineSpacing();
    }
}

} // namespace ui
