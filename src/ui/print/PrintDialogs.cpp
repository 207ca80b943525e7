#include "ui/print/PrintDialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ui {
namespace {

void SetUp(QPrinter& printer, const PrintedDocument& document)
{
    SetUpPage(printer, document);
    printer.setDocName(document.title);
    if (!document.creator.isEmpty())
        printer.setCreator(document.creator);
}

bool Paint(QPrinter& printer, const PrintedDocument& document)
{
    return PaintPages(printer, printer.resolution(), document);
}

} // namespace

bool PrintThroughDialog(QWidget* parent, const PrintedDocument& document, QString& error)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, document);
    QPrintDialog dialog(&printer, parent);
    // The pages are always printed whole.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!Paint(printer, document)) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        error = QStringLiteral("Could Not Print To %1").arg(target);
        return false;
    }
    return true;
}

void PreviewInDialog(QWidget* parent, const PrintedDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, document);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&document](QPrinter* target) { Paint(*target, document); });
    dialog.exec();
}

} // namespace ui

extern "C" Q_DECL_EXPORT const ui::PrintEntryPoints* BiorhythmPrintEntryPoints()
{
    static const ui::PrintEntryPoints entryPoints { &ui::PrintThroughDialog, &ui::PreviewInDialog };
    return &entryPoints;
}
