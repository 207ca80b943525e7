#pragma once

// The chart area picBiorhythm: a black square on which the three biorhythm
// curves are drawn, with white 0% and report-day lines and the percent
// labels, which always stay above the curves. In: the horizontal scale (the
// chart's 28 days) and, for each chart, the day count from birthday to
// report day. Out: the picture, kept until the next chart replaces it, and
// for a screen reader a name and a description of the chart on show.

#include "ui/main/RetainedSurface.h"

#include <QDate>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;

namespace ui {

class ChartArea : public QWidget {
    Q_OBJECT
public:
    explicit ChartArea(QWidget* parent = nullptr);

    // Left edge 0, right edge width.
    void SetScaleWidth(double width);
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Places the 0% and report-day lines and the "0%" label for the current
    // scale. Run once the scale is set.
    void SetupChartFrame();

    // Clears the curves and draws the three cycles for a report day
    // daysSinceBirth days after birth.
    void DrawChart(std::int32_t daysSinceBirth);

    // Tells assistive technology the report day and the cycles' values on it
    // (see ChartDescription.h). Run after each chart.
    void DescribeChart(const QDate& reportDay, std::int32_t daysSinceBirth);

    // The curves as drawn, at device resolution, without lines and labels.
    QImage Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void MatchDeviceResolution();

    RetainedSurface surface;
    // The chart on show, so that it can be drawn again when the area moves
    // to a screen of another resolution.
    std::optional<std::int32_t> shownDays;

    QWidget* lnHor = nullptr;
    QWidget* lnVert = nullptr;
    QLabel* lblPercent[3] = {};
};

} // namespace ui
