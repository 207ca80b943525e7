#pragma once

// One date's three boxes on the main window, the birthday's or the report
// day's: a month picked from its list, a day typed or picked from 1 to 31, and
// a year, typed when its box is editable and else picked. DateBoxes holds
// their rules: what the lists offer, how a typed day or year is corrected once
// the focus moves on, the date the boxes spell and how a date is shown in
// them. It works on boxes the window makes, places and orders, so the rules
// are tested on bare boxes; the reading of typed text is DateEntry's.

#include <array>
#include <chrono>
#include <functional>
#include <optional>

class QComboBox;
class QObject;
class QString;
class QWidget;

namespace ui {

// An editable box with its shortcut list. No completion and no insertion:
// the typed text is the value, and Enter does not grow the list.
QComboBox* EditableBox(QWidget* parent);

// An editable box's text, selecting the matching list entry when there is one.
void SetEditableText(QComboBox* box, const QString& text);

// A pick-only list shows only its entries: any other text leaves it as it is.
void SetPickOnlyText(QComboBox* box, const QString& text);

// The date a month, a day and a year box spell, if any.
std::optional<std::chrono::year_month_day> ComposeFromBoxes(
    const QComboBox* month, const QComboBox* day, const QComboBox* year);

class DateBoxes {
public:
    // The year list runs from kFirstListedYear to lastYear; a day typed out
    // of range becomes fallbackDay(), asked at each correction.
    DateBoxes(QComboBox* month, QComboBox* day, QComboBox* year, int lastYear, std::function<int()> fallbackDay);

    // Puts the lists in, each at once. Once, before any date is shown.
    void Fill() const;

    // The date the boxes spell, or nothing when they spell no calendar date.
    std::optional<std::chrono::year_month_day> Date() const;

    // Shows the date's month, day and year; a year a pick-only list lacks
    // leaves that box as it is.
    void Show(std::chrono::year_month_day date) const;

    // The typed day or year corrected after the focus left its box; a box
    // that is not this date's day or year is left alone.
    void CorrectLeftBox(const QObject* box) const;

    // The month, day and year boxes, for whoever follows their changes.
    std::array<QComboBox*, 3> Boxes() const { return { month, day, year }; }

private:
    QComboBox* month;
    QComboBox* day;
    QComboBox* year;
    int lastYear;
    std::function<int()> fallbackDay;
};

} // namespace ui
