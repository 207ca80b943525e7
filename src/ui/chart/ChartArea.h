#pragma once

// The chart area picBiorhythm and everything that belongs to it: a black
// square on which the three biorhythm curves are drawn, with white 0% and
// report-day lines and the percent labels, which always stay above the
// curves; the day cursor and the readout box; what a screen reader is told;
// the chart as a picture (ChartPicture.h); the context menu's actions
// (ChartActions.h), which print through ui/widgets/Printing.h.
//
// In: the horizontal scale (the chart's 28 days), and with each chart
// request the chart to show, its birthday and report day (ShowChart), which
// the area keeps as the one value of the chart on show (Shown); the user's
// pointer, keys and focus. Out: the picture, kept until the next chart
// replaces it; for a screen reader a name and a description of the day under
// the day cursor; chartShown() to the context menu's actions, which take the
// chart on show to the clipboard, files and the printer.
//
// Once a chart is shown, the area reads out single days: moving the pointer
// over it shows the nearest day's values beside the pointer, and with the
// focus a day cursor walks the days, with the same readout beside it and the
// description following it. The rules of both are DayCursor's (DayCursor.h);
// the words are DayReadout's (DayReadout.h). Cursor and readout are child
// widgets above the lines and labels; they never touch the kept picture.

#include "ui/chart/DayCursor.h"
#include "ui/chart/ShownChart.h"

#include <QImage>
#include <QWidget>

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

    // The one call that changes the chart on show: clears the curves, draws
    // the three cycles for the two dates (and the extra ones the area shows,
    // whatever chart.cycles says), puts the day cursor back on the
    // report day, tells assistive technology about that day (see
    // ChartDescription.h) and emits chartShown(). Until the first call there
    // are no days to read.
    void ShowChart(const ShownChart& chart);

    // Draws the curves in their line styles (chart/LineStyle.h) or plainly,
    // at once for the chart on show and for every chart after; the readout
    // then shows each cycle's style too. Plain until asked.
    void SetLineStyles(bool on);
    bool LineStyles() const { return lineStyles; }
    // The extra cycles drawn, read out and described beside the classical
    // ones, for the chart on show and every chart after it (none at first).
    void SetCycles(const chart::CycleChoice& choice);
    const chart::CycleChoice& Cycles() const { return cycles; }

    // The chart on show; none before the first ShowChart.
    const std::optional<ShownChart>& Shown() const { return shown; }

    // The curves as drawn (ChartDrawing.h), at device resolution, without
    // lines and labels; black before the first chart.
    QImage Picture() const;

signals:
    void chartShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void DrawCycles();
    void MatchDeviceResolution();
    int DayColumn(int offset) const;
    // Shows what the cursor's rules now say: the cursor line, the
    // description of its day and the readout box.
    void FollowCursor();
    void SetReadoutDay(int offset);
    void ShowReadout(int offset, QPoint anchor, int gap);

    std::optional<ShownChart> shown;
    DayCursor cursor;
    // Made on first use, so that a window that is never hovered or walked
    // carries neither.
    QWidget* dayCursor = nullptr;
    DayReadoutBox* readout = nullptr;
    std::optional<int> readoutOffset; // the day the readout shows
    std::optional<int> describedOffset; // the day the description tells
    QPoint pointer; // where the pointer last moved over the area
    bool lineStyles = false;
    chart::CycleChoice cycles;

    double scaleWidth;
    // The curves of the chart on show, kept until the next chart replaces
    // them; made with the first chart, so that a window that shows none
    // carries no image.
    QImage kept;

    QWidget* lnHor = nullptr;
    QWidget* lnVert = nullptr;
    QLabel* lblPercent[3] = {};
};

} // namespace ui
