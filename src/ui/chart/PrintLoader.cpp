#include "ui/chart/PrintLoader.h"

#include "app/MessagePrompter.h"

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

namespace {

template <typename EntryPoints>
const EntryPoints* LoadOrTell(app::MessagePrompter& prompter, const EntryPoints* (*load)(QString&))
{
    QString error;
    const EntryPoints* entryPoints = load(error);
    if (entryPoints == nullptr)
        prompter.Show(
            QStringLiteral("Could Not Print\n%1").arg(error), app::MessageIcon::Critical, app::MessageButtons::Ok);
    return entryPoints;
}

} // namespace

const PrintEntryPoints* LoadPrinting(app::MessagePrompter& prompter)
{
    return LoadOrTell<PrintEntryPoints>(prompter, &LoadPrinting);
}

const PlannerPrintEntryPoints* LoadPlannerPrinting(app::MessagePrompter& prompter)
{
    return LoadOrTell<PlannerPrintEntryPoints>(prompter, &LoadPlannerPrinting);
}

} // namespace ui
