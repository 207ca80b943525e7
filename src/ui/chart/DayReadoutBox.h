#pragma once

#include "ui/chart/DayReadout.h"

#include <QWidget>

#include <vector>

namespace ui {

// The small box that shows one day's readout over the chart: opaque and
// dark, so that its coloured lines stay legible over the curves, and
// transparent to the mouse, so that the chart area below keeps receiving the
// pointer's moves.
class DayReadoutBox final : public QWidget {
    Q_OBJECT

public:
    explicit DayReadoutBox(QWidget* parent);

    // Sets the lines and sizes the box to them.
    void SetLines(std::vector<ReadoutLine> lines);
    const std::vector<ReadoutLine>& Lines() const { return lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ReadoutLine> lines;
};

} // namespace ui
