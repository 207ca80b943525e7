#include "ui/chart/ChartPicture.h"

#include "ui/chart/ChartArea.h"

#include <QPainter>

namespace ui {

QImage ChartPicture(const ChartArea& area)
{
    QImage picture = area.Picture().convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(area.devicePixelRatioF());
    QPainter painter(&picture);
    area.DrawFrame(painter);
    return picture;
}

} // namespace ui
