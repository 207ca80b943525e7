// Writes the application icon as PNG files of the given sizes, for the
// desktop's icon theme: export_icons OUTPUT_DIR SIZE...
// Each file is OUTPUT_DIR/<size>.png, drawn by the same code as the windows'
// icon.

#include "ui/Look.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("usage: export_icons OUTPUT_DIR SIZE...\n", stderr);
        return 2;
    }
    const QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "export_icons: cannot create %s\n", qPrintable(args.at(1)));
        return 2;
    }
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        const QString path = dir.filePath(QStringLiteral("%1.png").arg(args.at(i)));
        if (!ok || size < 1 || size > 1024 || !ui::ApplicationIconPixmap(size).save(path)) {
            std::fprintf(stderr, "export_icons: cannot write %s\n", qPrintable(path));
            return 2;
        }
    }
    return 0;
}
