#include "ui/chart/PrintLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace ui {
namespace {

// The function of the module that the symbol names, or nothing.
QFunctionPointer ResolveInModule(const char* symbol, QString& error)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    // Installed under the library folder; in the build tree and on Windows
    // beside the program.
    for (const QString& folder :
        { programFolder.filePath(QStringLiteral(BIORHYTHM_PRINT_MODULE_DIR)), programFolder.path() }) {
        QLibrary module(QDir(folder).filePath(QStringLiteral(BIORHYTHM_PRINT_MODULE)));
        if (QFunctionPointer function = module.resolve(symbol))
            return function;
        error = module.errorString();
    }
    return nullptr;
}

template <typename EntryPoints> const EntryPoints* Load(const char* symbol, QString& error)
{
    static const EntryPoints* entryPoints = nullptr;
    if (entryPoints == nullptr) {
        using EntryPointsFunction = const EntryPoints* (*)();
        if (auto function = reinterpret_cast<EntryPointsFunction>(ResolveInModule(symbol, error)))
            entryPoints = function();
    }
    return entryPoints;
}

} // namespace

const PrintEntryPoints* LoadPrinting(QString& error)
{
    return Load<PrintEntryPoints>(kPrintEntryPoints, error);
}

const PlannerPrintEntryPoints* LoadPlannerPrinting(QString& error)
{
    return Load<PlannerPrintEntryPoints>(kPlannerPrintEntryPoints, error);
}

} // namespace ui
