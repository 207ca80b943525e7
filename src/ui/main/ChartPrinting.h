#pragma once

// The report page on a printer, through Qt's print and print preview dialogs.
// Kept apart from the rest of the window, as the only code that needs Qt's
// print support.

#include <QString>

#include <chrono>

class QWidget;

namespace ui {

// Whether the page was printed; false when the dialog was cancelled. A page
// that cannot be printed (a file that cannot be written) gives error a reason.
bool PrintReport(QWidget* parent, const QString& documentName, std::chrono::year_month_day birth,
    std::chrono::year_month_day report, QString& error);

void PreviewReport(QWidget* parent, const QString& documentName, std::chrono::year_month_day birth,
    std::chrono::year_month_day report);

} // namespace ui
