#include "ui/widgets/Printing.h"

#include "app/MessagePrompter.h"
#include "ui/print/PrintDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace ui {
namespace {

void ShowFailure(app::MessagePrompter& prompter, const QString& text)
{
    prompter.Show(text, app::MessageIcon::Critical, app::MessageButtons::Ok);
}

// The module's entry points, loaded once; nothing, with the reason in error,
// when it cannot be loaded.
const PrintEntryPoints* LoadModule(QString& error)
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

const PrintEntryPoints* LoadOrTell(app::MessagePrompter& prompter)
{
    QString error;
    const PrintEntryPoints* entryPoints = LoadModule(error);
    if (entryPoints == nullptr)
        ShowFailure(prompter, QStringLiteral("Could Not Print\n%1").arg(error));
    return entryPoints;
}

} // namespace

void Print(QWidget* parent, const PrintedDocument& document, app::MessagePrompter& prompter)
{
    const PrintEntryPoints* printing = LoadOrTell(prompter);
    QString error;
    if (printing != nullptr && !printing->print(parent, document, error) && !error.isEmpty())
        ShowFailure(prompter, error);
}

void PrintPreview(QWidget* parent, const PrintedDocument& document, app::MessagePrompter& prompter)
{
    if (const PrintEntryPoints* printing = LoadOrTell(prompter))
        printing->preview(parent, document);
}

} // namespace ui
