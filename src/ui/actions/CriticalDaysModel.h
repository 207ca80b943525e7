#pragma once

// The critical days of a period as the critical days dialog's table shows
// them, one row a day: the date in the locale's long format, the days from
// the report day, the cycles critical that day and the kind. Double days are
// bold, treble days bold and shaded. A screen reader hears each row as one
// sentence, the date cell's accessible text and every cell's accessible
// description, for example "Friday 12 April 2024, in 26 days: double critical
// day, emotional and intellectual."

#include "chart/CriticalDays.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

namespace ui {

class CriticalDaysModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, OffsetColumn, CyclesColumn, KindColumn, ColumnCount };
    // On the cycles column: the cycles critical that day as indices into
    // chart::kCycles (QList<int>), so that each can be drawn in its colour.
    static constexpr int CycleIndicesRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // Days from chart::CriticalDays, counted from the report day.
    void SetDays(std::vector<chart::CriticalDay> days, const QLocale& locale = QLocale());
    const std::vector<chart::CriticalDay>& Days() const { return days; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table as the clipboard takes it: tab-separated lines, the header
    // row first, as spreadsheets paste them.
    QString TabSeparated() const;

private:
    QString Text(const chart::CriticalDay& day, int column) const;

    std::vector<chart::CriticalDay> days;
    QLocale locale;
};

// The line under the table: "Next treble critical day: Friday, November 3,
// 2028, in 1,692 days", for a day from chart::NextTrebleCriticalDay.
QString NextTrebleText(const chart::CriticalDay& day, const QLocale& locale = QLocale());

} // namespace ui
