#include "ui/chart/ChartPicture.h"

#include "ui/chart/ChartArea.h"
#include "ui/drawing/ChartDrawing.h"

namespace ui {

QImage ChartPicture(const ChartArea& area)
{
    ChartDrawing drawing;
    if (area.Shown())
        drawing.daysSinceBirth = area.Shown()->DaysSinceBirth();
    drawing.lineStyles = area.LineStyles();
    drawing.scaleWidth = area.ScaleWidth();
    return ChartImage(drawing, area.devicePixelRatioF());
}

} // namespace ui
