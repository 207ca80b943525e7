#pragma once

// What the printed pages share: the design grid in millimetres and the
// chart's pieces, drawn at the device's own resolution.

#include "chart/BiorhythmCycle.h"
#include "ui/Look.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ui {

// A page is laid out on a 180 x 251 mm grid, scaled down to fit a smaller
// printable area and centred across a wider one.
inline constexpr double kDesignWidth = 180.0;
inline constexpr double kDesignHeight = 251.0;

// Millimetres of the design grid to device coordinates.
class Grid {
public:
    Grid(const QPainter& painter, const QRectF& page)
    {
        const QPaintDevice* device = painter.device();
        const double dotsPerMm = (device != nullptr ? device->logicalDpiY() : 96) / 25.4;
        const double fit
            = std::min({ 1.0, page.width() / (kDesignWidth * dotsPerMm), page.height() / (kDesignHeight * dotsPerMm) });
        unit = dotsPerMm * fit;
        origin = QPointF(page.left() + (page.width() - kDesignWidth * unit) / 2, page.top());
    }

    double operator()(double mm) const { return mm * unit; }
    QRectF Rect(double left, double top, double width, double height) const
    {
        return QRectF(origin.x() + left * unit, origin.y() + top * unit, width * unit, height * unit);
    }
    // A font of the given height in points.
    QFont Font(double points, bool bold = false) const
    {
        QFont font = SansSerifFont(8.25, bold);
        font.setPixelSize(std::max(1, qRound(points * 25.4 / 72.0 * unit)));
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }

private:
    double unit = 1.0;
    QPointF origin;
};

// Whose curves a chart draws: the first (or only) person's at full weight; a
// second person's half as wide and faint beneath them, so that the two people
// stay apart in grey as the cycles do by their line styles.
enum class CurveWeight { Full, Light };

// A cycle's pen on a page, in its colour and line style (CyclePen.h).
QPen CurvePen(std::size_t cycle, const Grid& grid, CurveWeight weight);

// The three curves of a report day daysSinceBirth days after birth, and
// after them the extra cycles chosen, as thin smooth lines in the cycles'
// colours and line styles, clipped to the chart's black area.
void DrawPageCurves(QPainter& painter, const Grid& grid, const QRectF& area, std::int32_t daysSinceBirth,
    CurveWeight weight = CurveWeight::Full, const chart::CycleChoice& cycles = {});

// The page's title in large bold on the left of its top line, and the
// program's name and version on the right.
void DrawPageHeading(QPainter& painter, const Grid& grid, const QString& title);

// The rule under a table's last row, whose bottom lies bottom millimetres
// down the grid, and the note below it.
void DrawTableFoot(QPainter& painter, const Grid& grid, double bottom, const QString& note);

// The white 0% and report-day lines and percent labels over the curves, and
// above the chart its first, last and report day.
void DrawPageChartFrame(QPainter& painter, const Grid& grid, const QRectF& area, const QString& reportDay);

} // namespace ui
