#pragma once

// A printed document through Qt's print dialog onto the printer or file the
// user picks, or into its print preview. The only code that needs Qt's print
// support: it is built as a module of its own that the program loads at the
// first Print or Print Preview (Printing.h), since linking the print support
// into the program would cost every start memory (see the README).

#include "ui/drawing/PrintedDocument.h"

class QWidget;

namespace ui {

// False when the user cancels, or when the pages could not be printed, then
// with error naming the printer or file.
bool PrintThroughDialog(QWidget* parent, const PrintedDocument& document, QString& error);

void PreviewInDialog(QWidget* parent, const PrintedDocument& document);

// What the module offers, found by the name kPrintEntryPoints.
struct PrintEntryPoints {
    decltype(&PrintThroughDialog) print;
    decltype(&PreviewInDialog) preview;
};
inline constexpr char kPrintEntryPoints[] = "BiorhythmPrintEntryPoints";

} // namespace ui
