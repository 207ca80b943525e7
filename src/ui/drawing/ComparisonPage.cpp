#include "ui/drawing/ComparisonPage.h"

#include "chart/ChartPlot.h"
#include "chart/Compatibility.h"
#include "chart/DateComposition.h"
#include "chart/LineStyle.h"
#include "chart/ValueTable.h"
#include "ui/drawing/CyclePen.h"
#include "ui/drawing/PageGrid.h"

#include <QFontMetricsF>
#include <QPolygonF>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

QString Iso(std::chrono::year_month_day date)
{
    return FromUtf8(chart::IsoDate(date));
}

QString Elided(const QPainter& painter, const QString& text, double width)
{
    return QFontMetricsF(painter.font()).elidedText(text, Qt::ElideRight, width);
}

// The chosen extra cycles, one to a row on black beside the chart, each
// after a stretch of its line as the strip below shows the classical ones.
// Beside rather than below, so that the page keeps its room for the table.
void DrawExtraLegend(QPainter& painter, const Grid& grid, const QRectF& box, const chart::CycleChoice& choice)
{
    const std::vector<std::size_t> extras = choice.Extras();
    painter.fillRect(box, Qt::black);
    painter.setFont(grid.Font(8, true));
    const double row = (box.height() - grid(2)) / static_cast<double>(extras.size());
    const double sample = grid(8);
    const double gap = grid(1.5);
    double top = box.top() + grid(1);
    for (const std::size_t c : extras) {
        const QRectF place(box.left() + grid(2), top, sample, row);
        painter.save();
        painter.setPen(CurvePen(c, grid, CurveWeight::Full));
        painter.drawLine(QPointF(place.left(), place.center().y()), QPointF(place.right(), place.center().y()));
        painter.restore();
        painter.setPen(ColorFromBgr(chart::kEveryCycle[c].colour));
        const QRectF text(place.right() + gap, top, box.right() - place.right() - gap - grid(1), row);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
            Elided(painter, FromUtf8(chart::kEveryCycle[c].name), text.width()));
        top += row;
    }
}

// A short stretch of line at a person's weight, then their name.
void DrawLegendEntry(QPainter& painter, const Grid& grid, const QRectF& place, CurveWeight weight, const QString& label)
{
    QPen pen(weight == CurveWeight::Full ? QColor(Qt::white) : QColor(255, 255, 255, 153),
        grid(weight == CurveWeight::Full ? 0.6 : 0.3));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const double middle = place.center().y();
    painter.drawLine(QPointF(place.left() + grid(2), middle), QPointF(place.left() + grid(12), middle));
    painter.setPen(Qt::white);
    const QRectF text = place.adjusted(grid(14), 0, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, Elided(painter, label, text.width()));
}

void DrawLegend(QPainter& painter, const Grid& grid, const QRectF& strip, const QString& first, const QString& second)
{
    painter.fillRect(strip, Qt::black);
    painter.setFont(grid.Font(8, true));
    const double row = strip.height() / 2;
    const double width = strip.width() / static_cast<double>(chart::kCycles.size());
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double sample = grid(8);
    const double gap = grid(1.5);
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
        const QString name = FromUtf8(chart::kCycles[i].name);
        const double left = strip.left() + width * static_cast<double>(i)
            + (width - sample - gap - metrics.horizontalAdvance(name)) / 2;
        DrawStyleSample(painter, QRectF(left, strip.top(), sample, row), i, grid(0.35));
        painter.setPen(ColorFromBgr(chart::kCycles[i].colour));
        painter.drawText(QRectF(left + sample + gap, strip.top(), width, row), Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    painter.setFont(grid.Font(8));
    const QRectF lower(strip.left(), strip.top() + row, strip.width() / 2, row);
    DrawLegendEntry(painter, grid, lower, CurveWeight::Full, first);
    DrawLegendEntry(painter, grid, lower.translated(strip.width() / 2, 0), CurveWeight::Light, second);
}

void DrawTable(QPainter& painter, const Grid& grid, double top, double rowHeight, double points,
    const Comparison& comparison, const QString& first, const QString& second)
{
    const double valueWidth = 22;
    const double starts[] = { 40, 112 };
    painter.setPen(Qt::black);
    painter.setFont(grid.Font(points, true));
    painter.drawText(
        grid.Rect(2, top + rowHeight, 22, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Date"));
    painter.drawText(
        grid.Rect(24, top + rowHeight, 12, rowHeight), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Day"));
    const QString names[] = { first, second };
    for (int person = 0; person < 2; ++person) {
        const QRectF group = grid.Rect(starts[person], top, 3 * valueWidth, rowHeight);
        painter.drawText(group, Qt::AlignRight | Qt::AlignVCenter, Elided(painter, names[person], group.width()));
        for (std::size_t i = 0; i < chart::kCycles.size(); ++i)
            painter.drawText(
                grid.Rect(starts[person] + valueWidth * static_cast<double>(i), top + rowHeight, valueWidth, rowHeight),
                Qt::AlignRight | Qt::AlignVCenter, FromUtf8(chart::kCycles[i].name));
    }
    painter.setPen(QPen(Qt::black, grid(0.2)));
    const QRectF header = grid.Rect(0, top + rowHeight, kDesignWidth, rowHeight);
    painter.drawLine(header.bottomLeft(), header.bottomRight());

    const std::vector<chart::ValueRow> rows[] = { chart::ReadValueRows(comparison.first.birthday, comparison.report),
        chart::ReadValueRows(comparison.second.birthday, comparison.report) };
    const QFont regular = grid.Font(points);
    const QFont bold = grid.Font(points, true);
    double rowTop = top + 2 * rowHeight;
    for (std::size_t r = 0; r < rows[0].size(); ++r) {
        const chart::ValueRow& row = rows[0][r];
        const bool reportDay = row.day.offset == 0;
        if (reportDay)
            painter.fillRect(grid.Rect(0, rowTop, kDesignWidth, rowHeight), QColor(220, 220, 220));
        painter.setFont(reportDay ? bold : regular);
        painter.setPen(Qt::black);
        painter.drawText(grid.Rect(2, rowTop, 22, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, Iso(row.date));
        painter.drawText(grid.Rect(24, rowTop, 12, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
            row.day.offset > 0 ? QStringLiteral("+%1").arg(row.day.offset) : QString::number(row.day.offset));
        for (int person = 0; person < 2; ++person)
            for (std::size_t i = 0; i < chart::kCycles.size(); ++i)
                painter.drawText(
                    grid.Rect(starts[person] + valueWidth * static_cast<double>(i), rowTop, valueWidth, rowHeight),
                    Qt::AlignRight | Qt::AlignVCenter,
                    FromUtf8(chart::PercentText(rows[person][r].day.cycles[i].percent)) + QLatin1Char('%'));
        rowTop += rowHeight;
    }
    DrawTableFoot(painter, grid, rowTop,
        QStringLiteral("Values at the start of each day. Compatibility of a cycle: 50% x (1 + the correlation of "
                       "the two curves over one whole cycle)."));
}

bool HoldsRightToLeft(const QString& text)
{
    const QList<uint> codePoints = text.toUcs4();
    return std::any_of(codePoints.cbegin(), codePoints.cend(), [](uint c) {
        const QChar::Direction direction = QChar::direction(c);
        return direction == QChar::DirR || direction == QChar::DirAL || direction == QChar::DirRLE
            || direction == QChar::DirRLO || direction == QChar::DirRLI;
    });
}

} // namespace

QString PersonLabel(const QString& name, const QString& dateText)
{
    if (name.isEmpty())
        return QStringLiteral("Born %1").arg(dateText);
    // A name in Arabic or Hebrew letters would otherwise make the whole label a
    // right-to-left paragraph, "(born ...)" before the name. Isolated (first
    // strong isolate ... pop directional isolate), the name keeps its own
    // direction and the rest reads left to right. Only such names are
    // wrapped, so that no other label gains a character, drawn or not.
    const QString shown = HoldsRightToLeft(name) ? QChar(0x2068) + name + QChar(0x2069) : name;
    return QStringLiteral("%1 (born %2)").arg(shown, dateText);
}

void DrawComparisonPage(QPainter& painter, const QRectF& page, const Comparison& comparison)
{
    const Grid grid(painter, page);
    painter.save();
    const QString first = PersonLabel(comparison.first.name, Iso(comparison.first.birthday));
    const QString second = PersonLabel(comparison.second.name, Iso(comparison.second.birthday));

    DrawPageHeading(painter, grid, QStringLiteral("Biorhythm Compatibility"));
    painter.setFont(grid.Font(10));
    const QRectF people = grid.Rect(0, 10, kDesignWidth, 6);
    painter.drawText(people, Qt::AlignLeft | Qt::AlignVCenter,
        Elided(painter, QStringLiteral("Bold lines: %1      Fine lines: %2").arg(first, second), people.width()));
    painter.drawText(grid.Rect(0, 16, kDesignWidth, 6), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Report day: %1").arg(Iso(comparison.report)));

    const chart::Compatibility compatibility
        = chart::CompatibilityOf(comparison.first.birthday, comparison.second.birthday, comparison.cycles);
    const std::vector<std::size_t> rated = chart::CompatibilityCycles(compatibility);
    // The page as it always was, unless secondary cycles add compatibility
    // rows: then the chart is a little smaller and the rows closer, and the
    // table's rows share what is left down to the foot, its text scaled
    // with them (6.9 points with all four).
    const bool extraRows = !compatibility.extras.empty();
    const double chartSide = extraRows ? 88 : 95;
    const double chartLeft = (kDesignWidth - chartSide) / 2;
    const double sentenceRow = extraRows ? 3.8 : 4.2;
    const double legendTop = 29 + chartSide + 1;
    const double headingTop = legendTop + 12;
    const double sentencesTop = headingTop + 5;
    constexpr double kTableEnd = 156 + 31 * 2.9; // two heading rows and 29 days
    const double tableTop = extraRows ? sentencesTop + sentenceRow * static_cast<double>(rated.size()) + 1.4 : 156;
    const double tableRow = extraRows ? std::min(2.9, (kTableEnd - tableTop) / 31) : 2.9;
    const double tablePoints = extraRows ? 7.5 * tableRow / 2.9 : 7.5;

    const QRectF chartArea = grid.Rect(chartLeft, 29, chartSide, chartSide);
    painter.fillRect(chartArea, Qt::black);
    const std::int32_t firstDays = chart::DaysSinceBirth(comparison.first.birthday, comparison.report);
    const std::int32_t secondDays = chart::DaysSinceBirth(comparison.second.birthday, comparison.report);
    DrawPageCurves(painter, grid, chartArea, secondDays, CurveWeight::Light, comparison.cycles);
    DrawPageCurves(painter, grid, chartArea, firstDays, CurveWeight::Full, comparison.cycles);
    DrawPageChartFrame(painter, grid, chartArea, Iso(comparison.report));
    DrawLegend(painter, grid, grid.Rect(chartLeft, legendTop, chartSide, 10), first, second);
    if (!comparison.cycles.Empty()) {
        const double boxLeft = chartLeft + chartSide + 2;
        DrawExtraLegend(painter, grid,
            grid.Rect(
                boxLeft, 29, kDesignWidth - boxLeft, 2 + 5 * static_cast<double>(comparison.cycles.Extras().size())),
            comparison.cycles);
    }

    painter.setPen(Qt::black);
    painter.setFont(grid.Font(9, true));
    painter.drawText(grid.Rect(0, headingTop, kDesignWidth, 5), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Compatibility: %1% overall").arg(FromUtf8(chart::PercentText(compatibility.average))));
    painter.setFont(grid.Font(extraRows ? 8 : 8.5));
    for (std::size_t i = 0; i < rated.size(); ++i)
        painter.drawText(
            grid.Rect(4, sentencesTop + sentenceRow * static_cast<double>(i), kDesignWidth - 4, sentenceRow),
            Qt::AlignLeft | Qt::AlignVCenter, FromUtf8(chart::CompatibilitySentence(compatibility, rated[i])));

    DrawTable(painter, grid, tableTop, tableRow, tablePoints, comparison, first, second);
    painter.restore();
}

} // namespace ui
