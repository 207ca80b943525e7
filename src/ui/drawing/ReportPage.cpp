#include "ui/drawing/ReportPage.h"

#include "app/AppInfo.h"
#include "chart/BiorhythmCycle.h"
#include "chart/ChartPlot.h"
#include "chart/CycleValue.h"
#include "chart/DateComposition.h"
#include "chart/ValueTable.h"
#include "ui/Look.h"
#include "ui/drawing/CyclePen.h"
#include "ui/drawing/PageGrid.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// Samples per day along each curve: segments of a fortieth of a day are
// well under a tenth of a millimetre on the page, so the polyline reads as
// the smooth curve it stands for.
constexpr int kSamplesPerDay = 40;

// The given cycles' curves (indices into kEveryCycle), in drawing order,
// each through the model's own values.
void DrawCurves(QPainter& painter, const Grid& grid, const QRectF& area, std::int32_t daysSinceBirth,
    const std::vector<std::size_t>& cycles, CurveWeight weight)
{
    const double days = chart::kChartDays;
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const std::size_t c : cycles) {
        const chart::BiorhythmCycle& cycle = chart::kEveryCycle[c];
        QPolygonF curve;
        const int samples = static_cast<int>(days) * kSamplesPerDay;
        curve.reserve(samples + 1);
        for (int i = 0; i <= samples; ++i) {
            const double x = days * i / samples;
            const double value = chart::ValueOf(cycle, daysSinceBirth + x - days / 2);
            curve << QPointF(area.left() + area.width() * x / days, area.top() + area.height() * (1 - value) / 2);
        }
        // In its line style too: the page is often printed in grey, and red
        // and green are the pair that colour-blind readers confuse.
        painter.setPen(CurvePen(c, grid, weight));
        painter.drawPolyline(curve);
    }
    painter.restore();
}

void DrawChart(QPainter& painter, const Grid& grid, const QRectF& area, std::int32_t daysSinceBirth,
    const QString& reportDay, const chart::CycleChoice& cycles)
{
    painter.fillRect(area, Qt::black);
    DrawCurves(painter, grid, area, daysSinceBirth, cycles.Shown(), CurveWeight::Full);
    DrawPageChartFrame(painter, grid, area, reportDay);
}

// With extra cycles the legend puts four names to a row, in a smaller font,
// so that all eleven fit under the chart in three rows.
constexpr std::size_t kLegendPerRow = 4;

std::size_t LegendRows(const chart::CycleChoice& cycles)
{
    if (cycles.Empty())
        return 1;
    return (cycles.Shown().size() + kLegendPerRow - 1) / kLegendPerRow;
}

// The cycle names in their colours on a black strip, as in the window, each
// after a stretch of its curve's line.
void DrawLegend(QPainter& painter, const Grid& grid, const QRectF& strip, const chart::CycleChoice& cycles)
{
    painter.fillRect(strip, Qt::black);
    const bool extras = !cycles.Empty();
    const QFont font = grid.Font(extras ? 8 : 9, true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const std::vector<std::size_t> shown = cycles.Shown();
    const std::size_t perRow = extras ? kLegendPerRow : chart::kCycles.size();
    const double width = strip.width() / static_cast<double>(perRow);
    const double rowHeight = strip.height() / static_cast<double>(LegendRows(cycles));
    const double sample = grid(extras ? 8 : 10);
    const double gap = grid(2);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const chart::BiorhythmCycle& cycle = chart::kEveryCycle[shown[k]];
        const QString name = FromUtf8(cycle.name);
        const double top = strip.top() + rowHeight * static_cast<double>(k / perRow);
        const double left = strip.left() + width * static_cast<double>(k % perRow)
            + (width - sample - gap - metrics.horizontalAdvance(name)) / 2;
        DrawStyleSample(painter, QRectF(left, top, sample, rowHeight), shown[k], grid(0.35));
        painter.setPen(ColorFromBgr(cycle.colour));
        painter.drawText(QRectF(left + sample + gap, top, width, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
    }
}

struct Column {
    QString title;
    double left;
    double width;
    Qt::Alignment alignment;
    int headerLine = 0; // 1 for the lower of two lines of staggered headers
    double headerReach = 0; // how far a header may run left of its column
};

struct TableLayout {
    std::vector<Column> columns;
    double points; // the font's size
    int headerLines;
};

// The table's columns with the classical cycles alone: wide ones in 8 pt.
TableLayout ClassicalTable()
{
    // The cycles' columns follow the day at a fixed step, in the order of
    // kCycles; the critical cycles still need their room after the last.
    constexpr double kValueLeft = 40;
    constexpr double kValueStep = 26;
    constexpr double kValueWidth = 24;
    constexpr double kCriticalLeft = 122;
    static_assert(
        kValueLeft + kValueStep * static_cast<double>(chart::kCycles.size() - 1) + kValueWidth <= kCriticalLeft,
        "DrawTable: the page has no room for another cycle's column; narrow the value columns");
    std::vector<Column> columns {
        { QStringLiteral("Date"), 2, 24, Qt::AlignLeft },
        { QStringLiteral("Day"), 26, 12, Qt::AlignRight },
    };
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i)
        columns.push_back({ FromUtf8(chart::kCycles[i].name), kValueLeft + kValueStep * static_cast<double>(i),
            kValueWidth, Qt::AlignRight });
    columns.push_back({ QStringLiteral("Critical"), kCriticalLeft, 56, Qt::AlignLeft });
    return { columns, 8, 1 };
}

// With extra cycles, up to eleven value columns share the width that the
// date, the day and the critical cycles leave, in 7 pt, where "-100.0%"
// still fits the narrowest. A name wider than its column would run into the
// next: then the names alternate between two header lines, each over its
// right-aligned column and free to reach over its neighbour's.
TableLayout CompactTable(const QPainter& painter, const Grid& grid, const chart::CycleChoice& cycles)
{
    constexpr double kPoints = 7;
    constexpr double kValuesLeft = 23;
    constexpr double kWidestStep = 20;
    constexpr double kColumnGap = 1;
    // "Physical, Emotional, Intellectual" in bold, the longest critical text.
    constexpr double kCriticalRoom = 40;
    const std::vector<std::size_t> shown = cycles.Shown();
    const double step
        = std::min(kWidestStep, (kDesignWidth - kCriticalRoom - kValuesLeft) / static_cast<double>(shown.size()));

    const QFontMetricsF metrics(grid.Font(kPoints, true), painter.device());
    double widest = 0;
    for (const std::size_t c : shown)
        widest = std::max(widest, metrics.horizontalAdvance(FromUtf8(chart::kEveryCycle[c].name)));
    const bool staggered = widest > grid(step - kColumnGap);

    TableLayout table { {}, kPoints, staggered ? 2 : 1 };
    const int lower = table.headerLines - 1;
    table.columns.push_back({ QStringLiteral("Date"), 2, 14, Qt::AlignLeft, lower });
    table.columns.push_back({ QStringLiteral("Day"), 16, 6, Qt::AlignRight, lower });
    for (std::size_t k = 0; k < shown.size(); ++k)
        table.columns.push_back(
            { FromUtf8(chart::kEveryCycle[shown[k]].name), kValuesLeft + step * static_cast<double>(k),
                step - kColumnGap, Qt::AlignRight, staggered ? static_cast<int>(k % 2) : 0, staggered ? step : 0 });
    const double criticalLeft = kValuesLeft + step * static_cast<double>(shown.size()) + kColumnGap;
    table.columns.push_back(
        { QStringLiteral("Critical"), criticalLeft, kDesignWidth - criticalLeft, Qt::AlignLeft, lower });
    return table;
}

// Room under the compact table for its two lines of notes.
constexpr double kCompactFoot = 7;

void DrawTable(QPainter& painter, const Grid& grid, double top, double rowHeight, std::chrono::year_month_day birth,
    std::chrono::year_month_day report, const chart::CycleChoice& cycles)
{
    const TableLayout table = cycles.Empty() ? ClassicalTable() : CompactTable(painter, grid, cycles);
    const std::vector<chart::ValueRow> rows = chart::ReadValueRows(birth, report, cycles);
    if (!cycles.Empty()) {
        const double lines = static_cast<double>(rows.size()) + table.headerLines;
        rowHeight = std::min(rowHeight, (kDesignHeight - kCompactFoot - top) / lines);
    }
    const std::vector<Column>& columns = table.columns;
    const auto cell
        = [&](const Column& column, double rowTop) { return grid.Rect(column.left, rowTop, column.width, rowHeight); };

    painter.setPen(Qt::black);
    painter.setFont(grid.Font(table.points, true));
    for (const Column& column : columns)
        painter.drawText(grid.Rect(column.left - column.headerReach, top + rowHeight * column.headerLine,
                             column.width + column.headerReach, rowHeight),
            column.alignment | Qt::AlignVCenter, column.title);
    painter.setPen(QPen(Qt::black, grid(0.2)));
    const QRectF header = grid.Rect(0, top, kDesignWidth, rowHeight * table.headerLines);
    painter.drawLine(header.bottomLeft(), header.bottomRight());

    const QFont regular = grid.Font(table.points);
    const QFont bold = grid.Font(table.points, true);
    double rowTop = top + rowHeight * table.headerLines;
    for (const chart::ValueRow& row : rows) {
        const bool reportDay = row.day.offset == 0;
        if (reportDay)
            painter.fillRect(grid.Rect(0, rowTop, kDesignWidth, rowHeight), QColor(220, 220, 220));
        painter.setFont(reportDay ? bold : regular);
        painter.setPen(Qt::black);
        std::vector<QString> texts {
            FromUtf8(chart::IsoDate(row.date)),
            row.day.offset > 0 ? QStringLiteral("+%1").arg(row.day.offset) : QString::number(row.day.offset),
        };
        for (const chart::CycleReading& cycle : row.day.cycles)
            texts.push_back(FromUtf8(chart::PercentText(cycle.percent)) + QLatin1Char('%'));
        for (const chart::CycleReading& cycle : row.day.extras)
            texts.push_back(FromUtf8(chart::PercentText(cycle.percent)) + QLatin1Char('%'));
        texts.push_back(FromUtf8(chart::CriticalCycles(row.day)).replace(QLatin1Char('+'), QStringLiteral(", ")));
        for (std::size_t i = 0; i < columns.size(); ++i)
            painter.drawText(cell(columns[i], rowTop), columns[i].alignment | Qt::AlignVCenter, texts[i]);
        rowTop += rowHeight;
    }
    DrawTableFoot(painter, grid, rowTop,
        QStringLiteral("Values at the start of each day. A cycle is critical on a day when it crosses 0% during it."));
    if (!cycles.Empty()) {
        // The extra cycles' columns might be read as critical too.
        painter.drawText(grid.Rect(0, rowTop + 3.6, kDesignWidth, 3.4), Qt::AlignLeft | Qt::AlignTop,
            QStringLiteral("Critical days are those of the physical, emotional and intellectual cycles."));
    }
}

} // namespace

void DrawPageCurves(QPainter& painter, const Grid& grid, const QRectF& area, std::int32_t daysSinceBirth,
    CurveWeight weight, const chart::CycleChoice& cycles)
{
    DrawCurves(painter, grid, area, daysSinceBirth, cycles.Shown(), weight);
}

QPen CurvePen(std::size_t cycle, const Grid& grid, CurveWeight weight)
{
    if (weight == CurveWeight::Full)
        return CyclePen(cycle, grid(0.35));
    // Half as wide with the dashes as long, and half as strong.
    QPen pen = CyclePen(cycle, grid(0.175));
    if (!pen.dashPattern().isEmpty()) {
        QList<qreal> pattern = pen.dashPattern();
        for (qreal& length : pattern)
            length *= 2;
        pen.setDashPattern(pattern);
    }
    QColor colour = pen.color();
    colour.setAlphaF(0.6);
    pen.setColor(colour);
    return pen;
}

void DrawPageHeading(QPainter& painter, const Grid& grid, const QString& title)
{
    painter.setPen(Qt::black);
    painter.setFont(grid.Font(16, true));
    painter.drawText(grid.Rect(0, 0, kDesignWidth, 9), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(grid.Font(8));
    painter.drawText(grid.Rect(0, 0, kDesignWidth, 9), Qt::AlignRight | Qt::AlignVCenter, app::WindowCaption());
}

void DrawTableFoot(QPainter& painter, const Grid& grid, double bottom, const QString& note)
{
    painter.setPen(QPen(Qt::black, grid(0.2)));
    const QRectF rule = grid.Rect(0, bottom, kDesignWidth, 0);
    painter.drawLine(rule.topLeft(), rule.topRight());
    painter.setFont(grid.Font(7));
    painter.drawText(grid.Rect(0, bottom + 0.5, kDesignWidth, 4), Qt::AlignLeft | Qt::AlignTop, note);
}

void DrawPageChartFrame(QPainter& painter, const Grid& grid, const QRectF& area, const QString& reportDay)
{
    const double days = chart::kChartDays;
    // The white lines and labels lie above the curves, as in the window.
    painter.setPen(QPen(Qt::white, grid(0.25)));
    const double middleY = area.center().y();
    const double middleX = area.center().x();
    painter.drawLine(QPointF(area.left(), middleY), QPointF(area.right(), middleY));
    painter.drawLine(QPointF(middleX, area.top()), QPointF(middleX, area.bottom()));
    painter.setFont(grid.Font(7, true));
    const double inset = grid(1);
    const QRectF inner = area.adjusted(inset, inset / 2, -inset, -inset / 2);
    painter.drawText(inner, Qt::AlignRight | Qt::AlignTop, QStringLiteral("100%"));
    painter.drawText(QRectF(inner.left(), middleY + inset / 2, inner.width(), inner.bottom() - middleY),
        Qt::AlignRight | Qt::AlignTop, QStringLiteral("0%"));
    painter.drawText(inner, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("-100%"));

    // Above the chart: the first and last day and the report day.
    painter.setPen(Qt::black);
    painter.setFont(grid.Font(9, true));
    const QRectF above(area.left(), area.top() - grid(6), area.width(), grid(5.5));
    const int half = static_cast<int>(days / 2);
    painter.drawText(above, Qt::AlignLeft | Qt::AlignBottom, QString::number(-half));
    painter.drawText(above, Qt::AlignRight | Qt::AlignBottom, QString::number(half));
    painter.drawText(above, Qt::AlignHCenter | Qt::AlignBottom, reportDay);
}

void DrawReportPage(QPainter& painter, const QRectF& page, std::chrono::year_month_day birth,
    std::chrono::year_month_day report, const chart::CycleChoice& cycles)
{
    const Grid grid(painter, page);
    painter.save();
    const std::int32_t days = chart::DaysSinceBirth(birth, report);

    DrawPageHeading(painter, grid, QStringLiteral("Biorhythm Chart"));
    painter.setFont(grid.Font(10));
    painter.drawText(grid.Rect(0, 10, kDesignWidth, 6), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Birthday: %1      Report day: %2      Day %3 since birth")
            .arg(FromUtf8(chart::IsoDate(birth)), FromUtf8(chart::IsoDate(report)), QString::number(days)));

    const QRectF chartArea = grid.Rect(35, 24, 110, 110);
    DrawChart(painter, grid, chartArea, days, FromUtf8(chart::IsoDate(report)), cycles);
    // A row of names in its strip of 7 mm; more rows are narrower.
    const std::size_t legendRows = LegendRows(cycles);
    const double legendHeight = legendRows == 1 ? 7 : 4.5 * static_cast<double>(legendRows);
    DrawLegend(painter, grid, grid.Rect(35, 136, 110, legendHeight), cycles);
    DrawTable(painter, grid, 136 + legendHeight + 4, 3.3, birth, report, cycles);
    painter.restore();
}

} // namespace ui
