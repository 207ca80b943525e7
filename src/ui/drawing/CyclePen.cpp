#include "ui/drawing/CyclePen.h"

#include "ui/Look.h"

#include <QPainter>

namespace ui {

QPen CyclePen(std::size_t cycle, qreal width)
{
    QPen pen(ColorFromBgr(chart::kEveryCycle[cycle].colour), width);
    const std::vector<double> pattern = chart::DashPattern(chart::kEveryCycle[cycle].style);
    if (pattern.empty()) {
        pen.setCapStyle(Qt::RoundCap);
    } else {
        pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
        pen.setCapStyle(Qt::FlatCap);
    }
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void DrawStyleSample(QPainter& painter, const QRectF& place, std::size_t cycle, qreal width)
{
    painter.save();
    painter.setPen(CyclePen(cycle, width));
    const qreal y = place.center().y();
    painter.drawLine(QPointF(place.left(), y), QPointF(place.right(), y));
    painter.restore();
}

} // namespace ui
