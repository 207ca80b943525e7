#pragma once

// The printed comparison of two people: one portrait page with a title, both
// people and the report day, the chart of both (the first person's curves
// solid, the second's dashed, in the cycles' colours) with a legend that
// names them, the compatibility of each cycle and overall in words, and the
// table of both people's values for the chart's 29 days. In: a painter on any
// device (printer, PDF writer, image) and the page's rectangle. The page
// scales itself to the rectangle, so A4 and Letter both fit. Chosen extra
// cycles add their curves for both people, a legend beside the chart and,
// for a secondary cycle, a compatibility row; the value table keeps the
// classical three, the most it can hold for two people across the page.

#include "chart/BiorhythmCycle.h"
#include "people/PeopleList.h"

#include <QRectF>
#include <QString>

#include <chrono>

class QPainter;

namespace ui {

struct Comparison {
    people::Person first; // without a name when the birthday came from the boxes
    people::Person second;
    std::chrono::year_month_day report;
    // The extra cycles shown beside the classical ones; none by default.
    chart::CycleChoice cycles = {};
};

// How the page, the window and its legend name a person: "Anna (born
// 2 March 1984)", or "Born 2 March 1984" without a name, the date in ISO
// form on the page (dateText given) and the locale's long form elsewhere. A
// name that holds right-to-left letters comes between Unicode's directional
// isolates, so that the label reads left to right whatever the name.
QString PersonLabel(const QString& name, const QString& dateText);

void DrawComparisonPage(QPainter& painter, const QRectF& page, const Comparison& comparison);

} // namespace ui
