#pragma once

// The planner window's calendar (PlannerPage.h) as a widget: the months of
// the period in rows of three, a day cursor that the keys walk (the arrows
// a day or a week, Page Up and Page Down a month, Home and End to the ends
// of the period), and the chart's readout box for the day under the pointer
// or the cursor. A screen reader hears the cursor's day as one sentence, in
// the words of the chart's description. The readout and the sentence name
// the planner's extra cycles after the classical ones.
//
// In: a planner, today's date, the pointer, keys and focus. Out: the
// picture, the description, cursorMoved() to the window that scrolls to it.

#include "chart/Planner.h"
#include "ui/chart/DayCursor.h"

#include <QImage>
#include <QWidget>

#include <chrono>
#include <optional>

namespace ui {

class DayReadoutBox;

class PlannerView final : public QWidget {
    Q_OBJECT
public:
    explicit PlannerView(QWidget* parent = nullptr);

    // Puts the cursor on the report day.
    void SetPlanner(const chart::Planner& planner, std::optional<std::chrono::year_month_day> today);
    const std::optional<chart::Planner>& Shown() const { return planner; }

    // The index of the cursor's day among the planner's days.
    std::size_t CursorDay() const;
    // Where the cursor's day lies in the widget.
    QRect CursorRect() const;

    // The calendar as shown, at the screen's resolution, without the cursor
    // and the readout: what Copy and Save as PNG take.
    QImage Picture() const;

    // The sentence a screen reader hears for a day of the planner.
    static QString DaySentence(const chart::Planner& planner, std::size_t day);

    QSize sizeHint() const override;

signals:
    void cursorMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::optional<std::size_t> DayAt(QPoint point) const;
    QRectF DayRect(std::size_t day) const;
    // The cursor counts days from the report day, the planner's list from
    // its first day.
    int Offset(std::size_t day) const;
    std::size_t Index(int offset) const;
    // After a key or a click: the cursor, the box and the description, and
    // cursorMoved() if the cursor left the day from.
    void FollowMove(int from);
    void ShowReadout(std::size_t day, QPoint anchor, int gap);
    void FollowCursor();

    std::optional<chart::Planner> planner;
    std::optional<std::chrono::year_month_day> today;
    DayCursor cursor { DayCursor::OnFocus::KeepDay };
    QPoint pointer; // where it last moved over a day
    DayReadoutBox* readout = nullptr; // made on first use
    std::optional<std::size_t> readoutDay;
    std::optional<std::size_t> describedDay;
};

} // namespace ui
