#include "ui/chart/ChartDescription.h"

#include "chart/DayReading.h"
#include "ui/Look.h"
#include "ui/chart/DayReadout.h"

#include <QLocale>

namespace ui {

QString ChartDescription(const QDate& reportDay, std::int32_t daysSinceBirth, int offset)
{
    const chart::DayReading day = chart::ReadDay(daysSinceBirth, offset);
    QStringList values;
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
        const chart::BiorhythmCycle& cycle = chart::kCycles[i];
        const chart::CycleReading& reading = day.cycles[i];
        QString value = QStringLiteral("%1 %2 %3")
                            .arg(FromUtf8(cycle.name).toLower(), PercentText(reading.percent, false),
                                DirectionWord(reading.direction));
        if (reading.critical)
            value += QStringLiteral(", critical");
        values << value;
    }
    const QString date = QLocale(QLocale::English, QLocale::UnitedKingdom)
                             .toString(reportDay.addDays(offset), QStringLiteral("dddd d MMMM yyyy"));
    return QStringLiteral("%1, %2: %3").arg(date, DayPlace(offset), values.join(QStringLiteral(", ")));
}

QString NoChartDescription()
{
    return QStringLiteral("No chart drawn yet");
}

} // namespace ui
