#include "ui/people/PeopleModel.h"

#include "app/DateText.h"

namespace ui {

int AgeInYears(std::chrono::year_month_day birthday, std::chrono::year_month_day today)
{
    int years = static_cast<int>(today.year()) - static_cast<int>(birthday.year());
    if (std::pair(today.month(), today.day()) < std::pair(birthday.month(), birthday.day()))
        --years;
    return std::max(0, years);
}

void PeopleModel::SetPeople(
    const people::PeopleList& list, std::chrono::year_month_day todayDate, const QLocale& withLocale)
{
    beginResetModel();
    people = list.People();
    today = todayDate;
    locale = withLocale;
    endResetModel();
}

int PeopleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(people.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PeopleModel::Sentence(const people::Person& person) const
{
    const int age = AgeInYears(person.birthday, today);
    return QStringLiteral("%1, born %2, %3.")
        .arg(person.name, locale.toString(app::ToQDate(person.birthday), QLocale::LongFormat),
            age == 1 ? QStringLiteral("1 year old") : QStringLiteral("%1 years old").arg(age));
}

QVariant PeopleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const people::Person& person = people[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == NameColumn)
            return person.name;
        if (index.column() == BirthdayColumn)
            return locale.toString(app::ToQDate(person.birthday), QLocale::LongFormat);
        return locale.toString(AgeInYears(person.birthday, today));
    case Qt::AccessibleTextRole:
        return index.column() == NameColumn ? Sentence(person) : QVariant();
    case Qt::AccessibleDescriptionRole:
        return Sentence(person);
    case Qt::TextAlignmentRole:
        return index.column() == AgeColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return QStringLiteral("Name");
    case BirthdayColumn:
        return QStringLiteral("Birthday");
    case AgeColumn:
        return QStringLiteral("Age");
    default:
        return {};
    }
}

} // namespace ui
