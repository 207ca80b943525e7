#include "ui/chart/ChartPicture.h"

#include "ui/chart/ChartArea.h"

#include <QPainter>

namespace ui {

QImage ChartPicture(const ChartArea& area)
{
    QImage picture = area.Picture().convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(area.devicePixelRatioF());
    QPainter painter(&picture);
    // The children list runs in stacking order, bottom first.
    for (QObject* object : area.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        const QString name = object->objectName();
        if (child == nullptr || !child->isVisibleTo(&area)
            || (name != QLatin1String("lnHor") && name != QLatin1String("lnVert")
                && name != QLatin1String("lblPercent")))
            continue;
        // The lines fill their background; the labels are transparent and
        // must not be given one.
        child->render(&painter, child->pos(), QRegion(),
            child->autoFillBackground() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    }
    return picture;
}

} // namespace ui
