#include "ui/chart/PrintLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace ui {

const PrintEntryPoints* LoadPrinting(QString& error)
{
    static const PrintEntryPoints* entryPoints = nullptr;
    if (entryPoints != nullptr)
        return entryPoints;
    const QDir programFolder(QCoreApplication::applicationDirPath());
    // Installed under the library folder; in the build tree and on Windows
    // beside the program.
    for (const QString& folder :
        { programFolder.filePath(QStringLiteral(BIORHYTHM_PRINT_MODULE_DIR)), programFolder.path() }) {
        QLibrary module(QDir(folder).filePath(QStringLiteral(BIORHYTHM_PRINT_MODULE)));
        using EntryPointsFunction = const PrintEntryPoints* (*)();
        if (auto function = reinterpret_cast<EntryPointsFunction>(module.resolve(kPrintEntryPoints))) {
            entryPoints = function();
            return entryPoints;
        }
        error = module.errorString();
    }
    return nullptr;
}

} // namespace ui
