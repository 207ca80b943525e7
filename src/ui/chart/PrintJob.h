#pragma once

// The two ways every printed page leaves the print module: through the print
// dialog onto the printer or file the user picks, or into the preview
// dialog. paint draws the pages onto the printer it is given and says
// whether it could.

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace ui {

using PagePainter = std::function<bool(QPrinter& printer)>;

// False when the user cancels, or when the pages could not be painted, then
// with error naming the printer or file.
bool PrintThroughDialog(QWidget* parent, QPrinter& printer, const PagePainter& paint, QString& error);

void PreviewInDialog(QWidget* parent, QPrinter& printer, const PagePainter& paint);

} // namespace ui
