// Writes the application icon for the desktops that show it, drawn by the same
// code as the windows' icon:
//   export_icons OUTPUT_DIR SIZE...   one OUTPUT_DIR/<size>.png per size, for
//                                     the freedesktop icon theme
//   export_icons --ico FILE SIZE...   one Windows icon file holding every size,
//                                     for the executable's resources
//   export_icons --rgba OUTPUT_DIR SIZE...
//                                     one OUTPUT_DIR/<size>.rgba per size: the
//                                     bare pixels, red, green, blue and alpha
//                                     bytes row by row, compiled into the
//                                     program as its window icon

#include "ui/Look.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QtEndian>

#include <cstdio>
#include <optional>

namespace {

std::optional<QList<int>> ParseSizes(const QStringList& args, qsizetype first)
{
    QList<int> sizes;
    for (qsizetype i = first; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        // An icon directory entry stores 256 as 0 and cannot say more.
        if (!ok || size < 1 || size > 256)
            return std::nullopt;
        sizes.append(size);
    }
    return sizes;
}

QByteArray PngOf(int size)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ui::ApplicationIconPixmap(size).save(&buffer, "PNG");
    return png;
}

void AppendLe16(QByteArray& out, int value)
{
    char bytes[2];
    qToLittleEndian(static_cast<quint16>(value), bytes);
    out.append(bytes, 2);
}

void AppendLe32(QByteArray& out, qsizetype value)
{
    char bytes[4];
    qToLittleEndian(static_cast<quint32>(value), bytes);
    out.append(bytes, 4);
}

// An ICO file whose images are PNG streams, which every Windows since Vista
// reads; it keeps the file small and the large sizes lossless.
QByteArray IcoOf(const QList<int>& sizes)
{
    QList<QByteArray> images;
    for (const int size : sizes)
        images.append(PngOf(size));

    QByteArray ico;
    AppendLe16(ico, 0); // reserved
    AppendLe16(ico, 1); // type: icon
    AppendLe16(ico, static_cast<int>(sizes.size()));
    qsizetype offset = 6 + 16 * sizes.size();
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const char side = static_cast<char>(sizes.at(i) == 256 ? 0 : sizes.at(i));
        ico.append(side); // width
        ico.append(side); // height
        ico.append('\0'); // no palette
        ico.append('\0'); // reserved
        AppendLe16(ico, 1); // colour planes
        AppendLe16(ico, 32); // bits per pixel
        AppendLe32(ico, images.at(i).size());
        AppendLe32(ico, offset);
        offset += images.at(i).size();
    }
    for (const QByteArray& image : images)
        ico.append(image);
    return ico;
}

bool WritePngs(const QString& folder, const QList<int>& sizes)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    for (const int size : sizes) {
        if (!ui::ApplicationIconPixmap(size).save(dir.filePath(QStringLiteral("%1.png").arg(size))))
            return false;
    }
    return true;
}

bool WriteRgba(const QString& folder, const QList<int>& sizes)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    for (const int size : sizes) {
        const QImage image = ui::ApplicationIconPixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888);
        QFile file(dir.filePath(QStringLiteral("%1.rgba").arg(size)));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        // Rows of four-byte pixels need no padding to QImage's 32-bit row
        // alignment, so the image's buffer is exactly the file's bytes.
        const auto* pixels = reinterpret_cast<const char*>(image.constBits());
        if (file.write(pixels, image.sizeInBytes()) != image.sizeInBytes())
            return false;
    }
    return true;
}

bool WriteIco(const QString& path, const QList<int>& sizes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    const QByteArray ico = IcoOf(sizes);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.size() > 1 && args.at(1).startsWith(QLatin1String("--")) ? args.at(1) : QString();
    const qsizetype firstSize = mode.isEmpty() ? 2 : 3;
    const auto sizes = ParseSizes(args, firstSize);
    const bool known = mode.isEmpty() || mode == QLatin1String("--ico") || mode == QLatin1String("--rgba");
    if (!known || args.size() <= firstSize || !sizes) {
        std::fputs("usage: export_icons OUTPUT_DIR SIZE...\n"
                   "       export_icons --ico FILE SIZE...\n"
                   "       export_icons --rgba OUTPUT_DIR SIZE...\n"
                   "SIZE is a whole number of pixels from 1 to 256.\n",
            stderr);
        return 2;
    }
    const QString target = args.at(firstSize - 1);
    const bool written = mode.isEmpty()  ? WritePngs(target, *sizes)
        : mode == QLatin1String("--ico") ? WriteIco(target, *sizes)
                                         : WriteRgba(target, *sizes);
    if (!written) {
        std::fprintf(stderr, "export_icons: cannot write %s\n", qPrintable(target));
        return 2;
    }
    return 0;
}
