#include "ui/dates/DateBoxes.h"

#include "chart/DateComposition.h"
#include "ui/Look.h"
#include "ui/dates/DateEntry.h"

#include <QComboBox>
#include <QStringList>

#include <utility>

namespace ui {
namespace {

std::string Std(const QString& text)
{
    return text.toStdString();
}

} // namespace

QComboBox* EditableBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    return box;
}

void SetEditableText(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
    box->setEditText(text);
}

void SetPickOnlyText(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly);
    if (index >= 0)
        box->setCurrentIndex(index);
}

std::optional<std::chrono::year_month_day> ComposeFromBoxes(
    const QComboBox* month, const QComboBox* day, const QComboBox* year)
{
    return chart::ComposeDate(Std(month->currentText()), Std(day->currentText()), Std(year->currentText()));
}

DateBoxes::DateBoxes(QComboBox* month, QComboBox* day, QComboBox* year, int lastYear, std::function<int()> fallbackDay)
    : month(month)
    , day(day)
    , year(year)
    , lastYear(lastYear)
    , fallbackDay(std::move(fallbackDay))
{ }

void DateBoxes::Fill() const
{
    // Added entry by entry, every entry would cost the box its own round of
    // model signals at start-up.
    QStringList months;
    for (std::string_view abbreviation : chart::kMonthAbbreviations)
        months << FromUtf8(abbreviation);
    QStringList days;
    for (int number = 1; number <= 31; ++number)
        days << QString::number(number);
    QStringList years;
    for (int number = kFirstListedYear; number <= lastYear; ++number)
        years << QString::number(number);
    month->addItems(months);
    day->addItems(days);
    year->addItems(years);
}

std::optional<std::chrono::year_month_day> DateBoxes::Date() const
{
    return ComposeFromBoxes(month, day, year);
}

void DateBoxes::Show(std::chrono::year_month_day date) const
{
    SetPickOnlyText(month, FromUtf8(chart::kMonthAbbreviations.at(static_cast<unsigned>(date.month()) - 1)));
    SetEditableText(day, QString::number(static_cast<unsigned>(date.day())));
    const QString yearText = QString::number(static_cast<int>(date.year()));
    if (year->isEditable())
        SetEditableText(year, yearText);
    else
        SetPickOnlyText(year, yearText);
}

void DateBoxes::CorrectLeftBox(const QObject* box) const
{
    if (box == day) {
        day->setEditText(FromUtf8(CorrectedDayText(Std(day->currentText()), fallbackDay())));
    } else if (box == year) {
        const QString corrected = FromUtf8(CorrectedYearText(Std(year->currentText())));
        if (year->isEditable())
            year->setEditText(corrected);
        else
            SetPickOnlyText(year, corrected);
    }
}

} // namespace ui
