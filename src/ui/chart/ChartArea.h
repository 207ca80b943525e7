#pragma once

// The chart area picBiorhythm: a black square on which the three biorhythm
// curves are drawn, with white 0% and report-day lines and the percent
// labels, which always stay above the curves. In: the horizontal scale (the
// chart's 28 days) and, for each chart, the day count from birthday to
// report day. Out: the picture, kept until the next chart replaces it, and
// for a screen reader a name and a description of the chart on show.
//
// Once a chart is described, the area reads out single days: moving the
// pointer over it shows the nearest day's values beside the pointer, and
// with the focus a day cursor walks the days (Left and Right by one, Page Up
// and Page Down by seven, Home and End to the ends), with the same readout
// beside it and the description following it. The cursor starts on the
// report day with each chart and each time the area gains the focus (a menu
// opened over it excepted), and goes with the focus. Cursor and readout are
// child widgets above the lines and labels; they never touch the kept
// picture.

#include "ui/chart/RetainedSurface.h"

#include <QDate>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;

namespace ui {

class DayReadoutBox;

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
    // (see ChartDescription.h), and puts the day cursor back on the report
    // day. Run after each chart; until then there are no days to read.
    void DescribeChart(const QDate& reportDay, std::int32_t daysSinceBirth);

    // The curves as drawn, at device resolution, without lines and labels.
    QImage Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct DescribedChart {
        QDate reportDay;
        std::int32_t daysSinceBirth;
    };

    void MatchDeviceResolution();
    void SetDescription(const QString& description);
    int DayColumn(int offset) const;
    void MoveCursorTo(int offset);
    void ShowCursor();
    void HideCursor();
    // Beside the pointer while it moves over the area, else beside the
    // cursor while that shows, else hidden.
    void RefreshReadout();
    void SetReadoutDay(int offset);
    void ShowReadout(int offset, QPoint anchor, int gap);

    // The chart the days are read from; the readout and the cursor need both
    // dates, so they wait for the description.
    std::optional<DescribedChart> described;
    int cursorOffset = 0;
    // Made on first use, so that a window that is never hovered or walked
    // carries neither.
    QWidget* dayCursor = nullptr;
    DayReadoutBox* readout = nullptr;
    std::optional<int> readoutOffset; // the day the readout shows
    std::optional<QPoint> hoverPoint;
    bool readoutFollowsPointer = false;

    RetainedSurface surface;
    // The chart on show, so that it can be drawn again when the area moves
    // to a screen of another resolution.
    std::optional<std::int32_t> shownDays;

    QWidget* lnHor = nullptr;
    QWidget* lnVert = nullptr;
    QLabel* lblPercent[3] = {};
};

} // namespace ui
