#include "ui/chart/ChartDescription.h"

#include "chart/DayReading.h"
#include "ui/chart/DayReadout.h"

#include <QLocale>

namespace ui {

QString ChartDescription(const ShownChart& chart, int offset)
{
    const chart::DayReading day = chart::ReadDay(chart.DaysSinceBirth(), offset);
    QStringList values;
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i)
        values << CyclePhrase(chart::kCycles[i], day.cycles[i], Reader::Ear);
    const QString date = QLocale(QLocale::English, QLocale::UnitedKingdom)
                             .toString(DayDate(chart, offset), QStringLiteral("dddd d MMMM yyyy"));
    return QStringLiteral("%1, %2: %3").arg(date, DayPlace(offset), values.join(QStringLiteral(", ")));
}

QString NoChartDescription()
{
    return QStringLiteral("No chart drawn yet");
}

} // namespace ui
