#pragma once

// A printed document as one description: its name, the sheet it wants, its
// page count and how to paint each page. The print dialog, the print preview
// (PrintDialogs.h, loaded with the print module) and a PDF file (WritePdf,
// here, since the PDF writer needs no print support) all take the same
// description, so that a page looks the same wherever it goes.

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace ui {

struct PrintedDocument {
    // The document's name: the print job's, the PDF's title.
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int pageCount = 1;
    // Paints page index (from 0) into page, the sheet's printable area with
    // its top left corner at the painter's origin.
    std::function<void(QPainter& painter, const QRectF& page, int index)> paintPage;
    // Unset, the device keeps its own: a printer its default sheet and
    // margins, which the user may change in the print dialog.
    std::optional<QPageSize> pageSize;
    std::optional<QMarginsF> marginsMillimetres;
    // Empty, the device names its own creator.
    QString creator;
};

// Gives device the document's sheet, orientation and margins: a printer
// before its dialog, so that what the user picks there wins.
void SetUpPage(QPagedPaintDevice& device, const PrintedDocument& document);

// Paints every page at resolution, the device's dots per inch, onto the sheet
// the device has. False when the device refused a page.
bool PaintPages(QPagedPaintDevice& device, int resolution, const PrintedDocument& document);

// The document as a PDF file, at the PDF writer's resolution.
bool WritePdf(QIODevice& file, const PrintedDocument& document);

} // namespace ui
