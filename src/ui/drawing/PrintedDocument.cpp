#include "ui/drawing/PrintedDocument.h"

#include <QPainter>
#include <QPdfWriter>

namespace ui {

void SetUpPage(QPagedPaintDevice& device, const PrintedDocument& document)
{
    if (document.pageSize)
        device.setPageSize(*document.pageSize);
    device.setPageOrientation(document.orientation);
    if (document.marginsMillimetres)
        device.setPageMargins(*document.marginsMillimetres, QPageLayout::Millimeter);
}

bool PaintPages(QPagedPaintDevice& device, int resolution, const PrintedDocument& document)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the printable area's top left corner.
    const QRectF page(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size());
    for (int i = 0; i < document.pageCount; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        document.paintPage(painter, page, i);
    }
    return painter.end();
}

bool WritePdf(QIODevice& file, const PrintedDocument& document)
{
    QPdfWriter writer(&file);
    writer.setTitle(document.title);
    if (!document.creator.isEmpty())
        writer.setCreator(document.creator);
    SetUpPage(writer, document);
    return PaintPages(writer, writer.resolution(), document);
}

} // namespace ui
