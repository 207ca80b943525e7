#include "ui/chart/PrintJob.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ui {

bool PrintThroughDialog(QWidget* parent, QPrinter& printer, const PagePainter& paint, QString& error)
{
    QPrintDialog dialog(&printer, parent);
    // The pages are always painted whole.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!paint(printer)) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        error = QStringLiteral("Could Not Print To %1").arg(target);
        return false;
    }
    return true;
}

void PreviewInDialog(QWidget* parent, QPrinter& printer, const PagePainter& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

} // namespace ui
