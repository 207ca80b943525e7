#pragma once

// The people's list as the People dialog's table shows it: one row a person,
// the name, the birthday in the locale's long format and the age in whole
// years today. A screen reader hears each row as one sentence, for example
// "Anna, born Friday, March 2, 1984, 40 years old."

#include "people/PeopleList.h"

#include <QAbstractTableModel>
#include <QLocale>

namespace ui {

class PeopleModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, BirthdayColumn, AgeColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void SetPeople(
        const people::PeopleList& list, std::chrono::year_month_day today, const QLocale& locale = QLocale());

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Sentence(const people::Person& person) const;

    std::vector<people::Person> people;
    std::chrono::year_month_day today {};
    QLocale locale;
};

// Whole years from birthday to today; a 29 February birthday comes on
// 1 March in other years.
int AgeInYears(std::chrono::year_month_day birthday, std::chrono::year_month_day today);

} // namespace ui
