#pragma once

// The report page on a printer, through Qt's print and print preview dialogs.
// The only code that needs Qt's print support: it is built as a module of its
// own that the program loads when the user first prints (see PrintLoader.h),
// since linking the print support into the program costs every start about
// 0.4 MiB of memory.

#include "ui/report/ComparisonPage.h"

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

// The comparison page of two people, the same way.
bool PrintComparison(QWidget* parent, const QString& documentName, const Comparison& comparison, QString& error);
void PreviewComparison(QWidget* parent, const QString& documentName, const Comparison& comparison);

// What the module offers, found by the name kPrintEntryPoints.
struct PrintEntryPoints {
    decltype(&PrintReport) printReport;
    decltype(&PreviewReport) previewReport;
    decltype(&PrintComparison) printComparison;
    decltype(&PreviewComparison) previewComparison;
};
inline constexpr char kPrintEntryPoints[] = "BiorhythmPrintEntryPoints";

} // namespace ui
