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

void DrawChart(
    QPainter& painter, const Grid& grid, const QRectF& area, std::int32_t daysSinceBirth, const QString& reportDay)
{
    painter.fillRect(area, Qt::black);
    DrawPageCurves(painter, grid, area, daysSinceBirth);
    DrawPageChartFrame(painter, grid, area, reportDay);
}

// The cycle names in their colours on a black strip, as in the window, each
// after a stretch of its curve's line.
void DrawLegend(QPainter& painter, const Grid& grid, const QRectF& strip)
{
    painter.fillRect(strip, Qt::black);
    const QFont font = grid.Font(9, true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double width = strip.width() / static_cast<double>(chart::kCycles.size());
    const double sample = grid(10);
    const double gap = grid(2);
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
        const QString name = FromUtf8(chart::kCycles[i].name);
        const double left = strip.left() + width * static_cast<double>(i)
            + (width - sample - gap - metrics.horizontalAdvance(name)) / 2;
        DrawStyleSample(painter, QRectF(left, strip.top(), sample, strip.height()), i, grid(0.35));
        painter.setPen(ColorFromBgr(chart::kCycles[i].colour));
        painter.drawText(
            QRectF(left + sample + gap, strip.top(), width, strip.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
    }
}

void DrawTable(QPainter& painter, const Grid& grid, double top, double rowHeight, std::chrono::year_month_day birth,
    std::chrono::year_month_day report)
{
    struct Column {
        QString title;
        double left;
        double width;
        Qt::Alignment alignment;
    };
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
    const auto cell
        = [&](const Column& column, double rowTop) { return grid.Rect(column.left, rowTop, column.width, rowHeight); };

    painter.setPen(Qt::black);
    painter.setFont(grid.Font(8, true));
    for (const Column& column : columns)
        painter.drawText(cell(column, top), column.alignment | Qt::AlignVCenter, column.title);
    painter.setPen(QPen(Qt::black, grid(0.2)));
    const QRectF header = grid.Rect(0, top, kDesignWidth, rowHeight);
    painter.drawLine(header.bottomLeft(), header.bottomRight());

    const QFont regular = grid.Font(8);
    const QFont bold = grid.Font(8, true);
    double rowTop = top + rowHeight;
    for (const chart::ValueRow& row : chart::ReadValueRows(birth, report)) {
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
        texts.push_back(FromUtf8(chart::CriticalCycles(row.day)).replace(QLatin1Char('+'), QStringLiteral(", ")));
        for (std::size_t i = 0; i < columns.size(); ++i)
            painter.drawText(cell(columns[i], rowTop), columns[i].alignment | Qt::AlignVCenter, texts[i]);
        rowTop += rowHeight;
    }
    DrawTableFoot(painter, grid, rowTop,
        QStringLiteral("Values at the start of each day. A cycle is critical on a day when it crosses 0% during it."));
}

} // namespace

void DrawPageCurves(
    QPainter& painter, const Grid& grid, const QRectF& area, std::int32_t daysSinceBirth, CurveWeight weight)
{
    const double days = chart::kChartDays;
    // The curves, in drawing order, each through the model's own values.
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t c = 0; c < chart::kCycles.size(); ++c) {
        const chart::BiorhythmCycle& cycle = chart::kCycles[c];
        QPolygonF curve;
        const int samples = static_cast<int>(days) * kSamplesPerDay;
        curve.reserve(samples + 1);
        for (int i = 0; i <= samples; ++i) {
            const double x = days * i / samples;
            const double value = chart::CycleValue(daysSinceBirth + x - days / 2, cycle.length);
            curve << QPointF(area.left() + area.width() * x / days, area.top() + area.height() * (1 - value) / 2);
        }
        // In its line style too: the page is often printed in grey, and red
        // and green are the pair that colour-blind readers confuse.
        painter.setPen(CurvePen(c, grid, weight));
        painter.drawPolyline(curve);
    }
    painter.restore();
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

void DrawReportPage(
    QPainter& painter, const QRectF& page, std::chrono::year_month_day birth, std::chrono::year_month_day report)
{
    const Grid grid(painter, page);
    painter.save();
    const std::int32_t days = chart::DaysSinceBirth(birth, report);

    painter.setPen(Qt::black);
    painter.setFont(grid.Font(16, true));
    painter.drawText(
        grid.Rect(0, 0, kDesignWidth, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Biorhythm Chart"));
    painter.setFont(grid.Font(8));
    painter.drawText(grid.Rect(0, 0, kDesignWidth, 9), Qt::AlignRight | Qt::AlignVCenter, app::WindowCaption());
    painter.setFont(grid.Font(10));
    painter.drawText(grid.Rect(0, 10, kDesignWidth, 6), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Birthday: %1      Report day: %2      Day %3 since birth")
            .arg(FromUtf8(chart::IsoDate(birth)), FromUtf8(chart::IsoDate(report)), QString::number(days)));

    const QRectF chartArea = grid.Rect(35, 24, 110, 110);
    DrawChart(painter, grid, chartArea, days, FromUtf8(chart::IsoDate(report)));
    DrawLegend(painter, grid, grid.Rect(35, 136, 110, 7));
    DrawTable(painter, grid, 147, 3.3, birth, report);
    painter.restore();
}

} // namespace ui
