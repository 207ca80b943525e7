#include "ui/chart/DayReadoutBox.h"

#include "ui/Look.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

constexpr int kPadding = 5;

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
        width = std::max(width, metrics.horizontalAdvance(line.text));
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
        painter.setPen(QColor(line.colour));
        painter.drawText(kPadding, top + metrics.ascent(), line.text);
        top += metrics.lineSpacing();
    }
}

} // namespace ui
