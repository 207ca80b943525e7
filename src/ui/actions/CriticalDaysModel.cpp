#include "ui/actions/CriticalDaysModel.h"

#include "app/DateText.h"
#include "ui/Look.h"
#include "ui/chart/ChartDescription.h"

#include <QColor>
#include <QFont>

namespace ui {
namespace {

// Behind every cell of a treble day: the dark of the table a little bluer, so
// that the white text and the cycles' colours stay legible on it.
const QColor kTrebleShade(24, 40, 96);

// How far a day lies after the report day: "in 1 day", "in 1,692 days".
QString InDays(int days, const QLocale& locale)
{
    if (days == 0)
        return QStringLiteral("the report day");
    return days == 1 ? QStringLiteral("in 1 day") : QStringLiteral("in %1 days").arg(locale.toString(days));
}

QList<int> CriticalCycles(const chart::CriticalDay& day)
{
    QList<int> cycles;
    for (int i = 0; i < static_cast<int>(chart::kCycles.size()); ++i)
        if (day.reading.cycles[static_cast<std::size_t>(i)].critical)
            cycles << i;
    return cycles;
}

QString CycleNames(const chart::CriticalDay& day)
{
    QStringList names;
    for (int i : CriticalCycles(day))
        names << FromUtf8(chart::kCycles[static_cast<std::size_t>(i)].name);
    return names.join(QStringLiteral(", "));
}

// In the chart description's words, whatever the locale, as the rest of the
// sentence is English: "Friday 12 April 2024, in 26 days: double critical
// day, emotional and intellectual."
QString Sentence(const chart::CriticalDay& day)
{
    QStringList cycles;
    for (int i : CriticalCycles(day))
        cycles << FromUtf8(chart::kCycles[static_cast<std::size_t>(i)].name).toLower();
    const QString last = cycles.takeLast();
    const QString named = cycles.isEmpty() ? last : cycles.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return QStringLiteral("%1, %2: %3 critical day, %4.")
        .arg(SpokenDate(app::ToQDate(day.date)),
            InDays(day.reading.offset, QLocale(QLocale::English, QLocale::UnitedKingdom)),
            FromUtf8(chart::CriticalKindName(day.kind)), named);
}

} // namespace

void CriticalDaysModel::SetDays(std::vector<chart::CriticalDay> newDays, const QLocale& newLocale)
{
    beginResetModel();
    days = std::move(newDays);
    locale = newLocale;
    endResetModel();
}

int CriticalDaysModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(days.size());
}

int CriticalDaysModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CriticalDaysModel::Text(const chart::CriticalDay& day, int column) const
{
    switch (column) {
    case DateColumn:
        return locale.toString(app::ToQDate(day.date), QLocale::LongFormat);
    case OffsetColumn:
        return locale.toString(day.reading.offset);
    case CyclesColumn:
        return CycleNames(day);
    case KindColumn: {
        QString kind = FromUtf8(chart::CriticalKindName(day.kind));
        kind[0] = kind[0].toUpper();
        return kind;
    }
    default:
        return {};
    }
}

QVariant CriticalDaysModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const chart::CriticalDay& day = days[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Text(day, index.column());
    case Qt::AccessibleTextRole:
        return index.column() == DateColumn ? Sentence(day) : QVariant();
    case Qt::AccessibleDescriptionRole:
        return Sentence(day);
    case Qt::TextAlignmentRole:
        return index.column() == OffsetColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::FontRole:
        return day.kind == chart::CriticalKind::Single ? QVariant() : QVariant(SansSerifFont(8.25, true));
    case Qt::BackgroundRole:
        return day.kind == chart::CriticalKind::Treble ? QVariant(kTrebleShade) : QVariant();
    case CycleIndicesRole:
        return index.column() == CyclesColumn ? QVariant::fromValue(CriticalCycles(day)) : QVariant();
    default:
        return {};
    }
}

QVariant CriticalDaysModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DateColumn:
        return QStringLiteral("Date");
    case OffsetColumn:
        return QStringLiteral("Days from report day");
    case CyclesColumn:
        return QStringLiteral("Critical cycles");
    case KindColumn:
        return QStringLiteral("Kind");
    default:
        return {};
    }
}

QString CriticalDaysModel::TabSeparated() const
{
    QStringList lines;
    QStringList header;
    for (int column = 0; column < ColumnCount; ++column)
        header << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << header.join(QLatin1Char('\t'));
    for (const chart::CriticalDay& day : days) {
        QStringList fields;
        for (int column = 0; column < ColumnCount; ++column)
            fields << Text(day, column);
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString NextTrebleText(const chart::CriticalDay& day, const QLocale& locale)
{
    return QStringLiteral("Next treble critical day: %1, %2")
        .arg(locale.toString(app::ToQDate(day.date), QLocale::LongFormat), InDays(day.reading.offset, locale));
}

} // namespace ui
