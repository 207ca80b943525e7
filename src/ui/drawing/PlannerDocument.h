#pragma once

// The months ahead as a printed document: the pages of PlannerPage.h, a
// month a page in landscape for up to three months, three a page in portrait
// for more, the same for the print dialog, the preview and a PDF.

#include "ui/drawing/PlannerRequest.h"
#include "ui/drawing/PrintedDocument.h"

namespace ui {

PrintedDocument PlannerDocument(const QString& title, const PlannerRequest& request);

} // namespace ui
