#include "ui/main/ChartArea.h"

#include "chart/ChartPlot.h"
#include "ui/Look.h"
#include "ui/main/ChartDescription.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

constexpr int kSideTwips = 6465;

QWidget* MakeLine(QWidget* parent, const QString& name)
{
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::white);
    line->setPalette(palette);
    return line;
}

// Right-aligned, so that the text keeps to the area's right edge whatever the
// width of the font standing in for the one the layout was made with; a
// text wider than its place grows to the left.
QLabel* MakePercentLabel(QWidget* parent, int index, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblPercent"));
    label->setProperty("index", index);
    label->setFont(SansSerifFont(8.25, true));
    SetTextColor(label, Qt::white);
    label->setAutoFillBackground(false);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QRect rect = place;
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(text);
    if (textWidth > rect.width())
        rect.setLeft(rect.right() + 1 - textWidth);
    label->setGeometry(rect);
    return label;
}

} // namespace

ChartArea::ChartArea(QWidget* parent)
    : QWidget(parent)
    , surface(QSize(Px(kSideTwips), Px(kSideTwips)), devicePixelRatioF())
{
    setObjectName(QStringLiteral("picBiorhythm"));
    setFixedSize(Px(kSideTwips), Px(kSideTwips));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    // The font the "0%" label is measured with: the labels' own, so that
    // its text ends exactly at the right edge.
    setFont(SansSerifFont(8.25, true));

    // Created bottom first: later children lie above earlier ones.
    lnHor = MakeLine(this, QStringLiteral("lnHor"));
    lnVert = MakeLine(this, QStringLiteral("lnVert"));
    lblPercent[0] = MakePercentLabel(this, 0, QStringLiteral("100%"), TwipsRect(6000, 0, 465, 195));
    lblPercent[1] = MakePercentLabel(this, 1, QStringLiteral("0%"), TwipsRect(3690, 2790, 255, 195));
    lblPercent[2] = MakePercentLabel(this, 2, QStringLiteral("-100%"), TwipsRect(5940, 6270, 525, 195));
    lnHor->hide();
    lnVert->hide();

    setAccessibleName(QStringLiteral("Biorhythm chart"));
    setAccessibleDescription(NoChartDescription());
}

void ChartArea::SetScaleWidth(double width)
{
    surface.SetScaleWidth(width);
}

double ChartArea::ScaleWidth() const
{
    return surface.ScaleWidth();
}

double ChartArea::ScaleHeight() const
{
    return surface.ScaleHeight();
}

void ChartArea::SetupChartFrame()
{
    const double w = ScaleWidth();
    const double h = ScaleHeight();

    // The lines sit on the same pixels as the curves' 0% and report-day
    // points, so the curves cross them exactly.
    const int zeroRow = surface.LogicalY(h / 2);
    lnHor->setGeometry(QRect(QPoint(surface.LogicalX(0), zeroRow), QPoint(surface.LogicalX(w), zeroRow)));
    const int reportColumn = surface.LogicalX(w / 2);
    lnVert->setGeometry(QRect(QPoint(reportColumn, surface.LogicalY(0)), QPoint(reportColumn, surface.LogicalY(h))));
    lnHor->show();
    lnVert->show();

    // Half a text line below the 0% line, its text ending at the right edge.
    const QFontMetrics metrics(font());
    const QString zero = lblPercent[1]->text();
    const double textWidth = metrics.horizontalAdvance(zero) * w / width();
    const double textHeight = metrics.height() * h / height();
    const double top = h / 2 + textHeight / 2;
    const double left = w - textWidth;
    lblPercent[1]->setGeometry(qRound(left * width() / w), qRound(top * height() / h), metrics.horizontalAdvance(zero),
        lblPercent[1]->height());
}

void ChartArea::DrawChart(std::int32_t daysSinceBirth)
{
    MatchDeviceResolution();
    surface.Clear();
    chart::ChartPlot(surface).DrawCycles(daysSinceBirth);
    shownDays = daysSinceBirth;
    update();
}

void ChartArea::DescribeChart(const QDate& reportDay, std::int32_t daysSinceBirth)
{
    // The setter itself raises QAccessible::DescriptionChanged.
    setAccessibleDescription(ChartDescription(reportDay, daysSinceBirth));
}

QImage ChartArea::Picture() const
{
    return surface.Image();
}

void ChartArea::MatchDeviceResolution()
{
    const qreal ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, surface.DevicePixelRatio()))
        return;
    const double width = surface.ScaleWidth();
    surface = RetainedSurface(size(), ratio);
    surface.SetScaleWidth(width);
    if (shownDays)
        chart::ChartPlot(surface).DrawCycles(*shownDays);
}

void ChartArea::paintEvent(QPaintEvent* /*event*/)
{
    MatchDeviceResolution();
    QPainter painter(this);
    if (surface.HasImage())
        painter.drawImage(QPointF(0, 0), surface.Image());
    else
        painter.fillRect(rect(), Qt::black);
}

} // namespace ui
