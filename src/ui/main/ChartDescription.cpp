#include "ui/main/ChartDescription.h"

#include "chart/BiorhythmCycle.h"
#include "chart/CycleValue.h"

#include <QLocale>

#include <cmath>

namespace ui {

QString ChartDescription(const QDate& reportDay, std::int32_t daysSinceBirth)
{
    QStringList values;
    for (const chart::BiorhythmCycle& cycle : chart::kCycles) {
        const long percent = std::lround(chart::CycleValue(daysSinceBirth, cycle.length) * 100.0);
        values << QStringLiteral("%1 %2%")
                      .arg(QString::fromLatin1(cycle.name.data(), static_cast<qsizetype>(cycle.name.size())).toLower())
                      .arg(percent);
    }
    const QString day
        = QLocale(QLocale::English, QLocale::UnitedKingdom).toString(reportDay, QStringLiteral("d MMMM yyyy"));
    return QStringLiteral("Report day %1: %2").arg(day, values.join(QStringLiteral(", ")));
}

QString NoChartDescription()
{
    return QStringLiteral("No chart drawn yet");
}

} // namespace ui
