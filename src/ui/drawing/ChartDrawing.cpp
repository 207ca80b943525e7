#include "ui/drawing/ChartDrawing.h"

#include "chart/LineStyle.h"
#include "ui/Look.h"
#include "ui/drawing/RetainedSurface.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <vector>

namespace ui {
namespace {

constexpr int kSideTwips = 6465;
// A unit of the line styles' dash patterns on the one-pixel curves: long
// enough that a dot of the dotted curve reads as a dot, not as a gap.
constexpr double kStylePatternPixels = 1.5;

// The places the layout was made with; a text wider than its place (a
// stand-in font wider than the original) grows to the left, so that it
// keeps to the right edge.
QRect FitToText(const QRect& place, const QString& text)
{
    QRect rect = place;
    const int textWidth = QFontMetrics(PercentLabelFont()).horizontalAdvance(text);
    if (textWidth > rect.width())
        rect.setLeft(rect.right() + 1 - textWidth);
    return rect;
}

void DrawFrame(QPainter& painter, const ChartFrame& frame, bool labelsOnBlack)
{
    painter.save();
    if (labelsOnBlack)
        for (const QRect& label : frame.labels)
            painter.fillRect(label, Qt::black);
    // The lines first, then the labels over them.
    painter.fillRect(frame.zeroLine, Qt::white);
    painter.fillRect(frame.reportLine, Qt::white);
    painter.setFont(PercentLabelFont());
    painter.setPen(Qt::white);
    // As a left-to-right label draws its text: right-aligned at the top of
    // its place.
    for (std::size_t i = 0; i < frame.labels.size(); ++i)
        painter.drawText(
            frame.labels[i], Qt::AlignRight | Qt::AlignTop | Qt::TextForceLeftToRight, PercentLabelTexts()[i]);
    painter.restore();
}

} // namespace

QSize ChartSize()
{
    return { Px(kSideTwips), Px(kSideTwips) };
}

QFont PercentLabelFont()
{
    return SansSerifFont(8.25, true);
}

const std::array<QString, 3>& PercentLabelTexts()
{
    static const std::array<QString, 3> texts { QStringLiteral("100%"), QStringLiteral("0%"), QStringLiteral("-100%") };
    return texts;
}

ChartFrame ChartFrameLayout(double scaleWidth)
{
    const QSize size = ChartSize();
    // The surface's own rounding: the lines fall on the pixels its points
    // light.
    RetainedSurface placed(size, 1.0);
    placed.SetScaleWidth(scaleWidth);
    const double w = placed.ScaleWidth();
    const double h = placed.ScaleHeight();

    ChartFrame frame;
    const int zeroRow = placed.LogicalY(h / 2);
    frame.zeroLine = QRect(QPoint(placed.LogicalX(0), zeroRow), QPoint(placed.LogicalX(w), zeroRow));
    const int reportColumn = placed.LogicalX(w / 2);
    frame.reportLine = QRect(QPoint(reportColumn, placed.LogicalY(0)), QPoint(reportColumn, placed.LogicalY(h)));

    const std::array<QString, 3>& texts = PercentLabelTexts();
    frame.labels[0] = FitToText(TwipsRect(6000, 0, 465, 195), texts[0]);
    frame.labels[2] = FitToText(TwipsRect(5940, 6270, 525, 195), texts[2]);
    // Half a text line below the 0% line, its text ending at the right edge.
    const QFontMetrics metrics(PercentLabelFont());
    const double textWidth = metrics.horizontalAdvance(texts[1]) * w / size.width();
    const double textHeight = metrics.height() * h / size.height();
    const double top = h / 2 + textHeight / 2;
    const double left = w - textWidth;
    frame.labels[1] = QRect(
        qRound(left * size.width() / w), qRound(top * size.height() / h), metrics.horizontalAdvance(texts[1]), Px(195));
    return frame;
}

void DrawChart(QPainter& painter, const ChartDrawing& drawing)
{
    const QSize size = ChartSize();
    // Point by point at the device's resolution: at ratio 2 and above the
    // curves keep their one-pixel weight and lose the staircase.
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    RetainedSurface surface(size, ratio);
    surface.SetScaleWidth(drawing.scaleWidth);
    surface.Clear();
    // Measured in logical pixels, so that a dash is as long at ratio 2 as at
    // ratio 1, only drawn more finely.
    const double pixelsPerDay = (size.width() - 1) / surface.ScaleWidth();
    const double pixelsPerHeight = (size.height() - 1) / surface.ScaleHeight();
    if (drawing.secondDaysSinceBirth) {
        // Dashes of 5 logical pixels with gaps of 4, measured along each
        // curve; drawn first, so that every point of the first person's
        // curves covers them.
        chart::StyledSurface dashed(surface, pixelsPerDay, pixelsPerHeight, 1.0);
        dashed.StartCurve(std::vector<double> { 5.0, 4.0 });
        chart::ChartPlot(dashed).DrawCycles(*drawing.secondDaysSinceBirth, drawing.cycles);
    }
    const chart::ChartPlot plot(surface);
    if (drawing.daysSinceBirth && drawing.lineStyles)
        plot.DrawStyledCycles(
            *drawing.daysSinceBirth, pixelsPerDay, pixelsPerHeight, kStylePatternPixels, drawing.cycles);
    else if (drawing.daysSinceBirth)
        plot.DrawCycles(*drawing.daysSinceBirth, drawing.cycles);
    painter.drawImage(QPointF(0, 0), surface.Image());
    if (drawing.frame)
        DrawFrame(painter, ChartFrameLayout(surface.ScaleWidth()), drawing.secondDaysSinceBirth.has_value());
}

QImage ChartImage(const ChartDrawing& drawing, qreal devicePixelRatio)
{
    const QSize size = ChartSize();
    QImage picture(
        qRound(size.width() * devicePixelRatio), qRound(size.height() * devicePixelRatio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&picture);
    DrawChart(painter, drawing);
    return picture;
}

} // namespace ui
