#include "ui/chart/ChartDescription.h"

#include "chart/DayReading.h"
#include "ui/chart/DayReadout.h"

#include <QLocale>

namespace ui {

QString ChartDescription(const ShownChart& chart, int offset)
{
    const chart::DayReading day = chart::ReadDay(chart.DaysSinceBirth(), offset, chart.cycles);
    QStringList values;
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i)
        values << CyclePhrase(chart::kCycles[i], day.cycles[i], Reader::Ear);
    const std::vector<std::size_t> extras = chart.cycles.Extras();
    for (std::size_t i = 0; i < extras.size(); ++i)
        values << CyclePhrase(chart::kEveryCycle[extras[i]], day.extras[i], Reader::Ear);
    return QStringLiteral("%1, %2: %3")
        .arg(SpokenDate(DayDate(chart, offset)), DayPlace(offset), values.join(QStringLiteral(", ")));
}

QString SpokenDate(QDate date)
{
    return QLocale(QLocale::English, QLocale::UnitedKingdom).toString(date, QStringLiteral("dddd d MMMM yyyy"));
}

QString NoChartDescription()
{
    return QStringLiteral("No chart drawn yet");
}

} // namespace ui
