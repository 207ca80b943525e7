#pragma once

// The one way the windows print: a printed document through the print
// dialog or into the print preview, by the print module (PrintDialogs.h),
// loaded at the first use from beside the program or from its library
// folder. Whatever stops the printing is told to the user here, in a message
// box: a module that cannot be loaded, or pages that could not be printed. A
// cancelled dialog says nothing.

#include "ui/drawing/PrintedDocument.h"

class QWidget;

namespace app {
class MessagePrompter;
}

namespace ui {

void Print(QWidget* parent, const PrintedDocument& document, app::MessagePrompter& prompter);
void PrintPreview(QWidget* parent, const PrintedDocument& document, app::MessagePrompter& prompter);

} // namespace ui
