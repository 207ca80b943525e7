#include "render/ImageOutput.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace render {

bool WritePng(QIODevice& file, const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    return buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG") && file.write(png) == png.size();
}

} // namespace render
