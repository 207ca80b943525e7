#include "ui/chart/DayReadout.h"

#include "ui/Look.h"

#include <algorithm>
#include <cmath>

namespace ui {

QDate DayDate(const ShownChart& chart, int offset)
{
    const std::chrono::year_month_day day = chart::DayAt(chart.report, offset);
    return QDate(static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
        static_cast<int>(static_cast<unsigned>(day.day())));
}

QString DayPlace(int offset)
{
    if (offset == 0)
        return QStringLiteral("report day");
    const int days = std::abs(offset);
    return QStringLiteral("%1 %2 %3 the report day")
        .arg(days)
        .arg(days == 1 ? QStringLiteral("day") : QStringLiteral("days"))
        .arg(offset < 0 ? QStringLiteral("before") : QStringLiteral("after"));
}

QString DirectionWord(chart::CycleDirection direction)
{
    switch (direction) {
    case chart::CycleDirection::Rising:
        return QStringLiteral("rising");
    case chart::CycleDirection::Falling:
        return QStringLiteral("falling");
    case chart::CycleDirection::High:
        return QStringLiteral("high");
    case chart::CycleDirection::Low:
        return QStringLiteral("low");
    }
    return {};
}

QString CyclePhrase(const chart::BiorhythmCycle& cycle, const chart::CycleReading& reading, Reader reader)
{
    const QString name = reader == Reader::Eye ? FromUtf8(cycle.name) : FromUtf8(cycle.name).toLower();
    const int percent = chart::WholePercent(reading.percent);
    const QString sign = reader == Reader::Eye && percent > 0 ? QStringLiteral("+") : QString();
    QString phrase = name + QLatin1Char(' ') + sign + QString::number(percent) + QStringLiteral("% ")
        + DirectionWord(reading.direction);
    if (reading.critical)
        phrase += QStringLiteral(", critical");
    return phrase;
}

std::vector<ReadoutLine> DayReadoutLines(const ShownChart& chart, int offset, const QLocale& locale)
{
    const chart::DayReading day = chart::ReadDay(chart.DaysSinceBirth(), offset, chart.cycles);
    QString place = DayPlace(offset);
    place[0] = place[0].toUpper();

    std::vector<ReadoutLine> lines;
    lines.reserve(2 + chart::kCycles.size() + day.extras.size());
    lines.push_back(
        { locale.toString(DayDate(chart, offset), QLocale::LongFormat), qRgb(255, 255, 255), true, std::nullopt });
    lines.push_back({ place, qRgb(200, 200, 200), false, std::nullopt });
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i)
        lines.push_back({ CyclePhrase(chart::kCycles[i], day.cycles[i], Reader::Eye),
            RgbFromBgr(chart::kCycles[i].colour), false, std::nullopt });
    const std::vector<std::size_t> extras = chart.cycles.Extras();
    for (std::size_t i = 0; i < extras.size(); ++i) {
        const chart::BiorhythmCycle& cycle = chart::kEveryCycle[extras[i]];
        lines.push_back(
            { CyclePhrase(cycle, day.extras[i], Reader::Eye), RgbFromBgr(cycle.colour), false, std::nullopt });
    }
    return lines;
}

void ShowLineStyles(std::vector<ReadoutLine>& lines, const chart::CycleChoice& cycles)
{
    // The cycles' lines are the last ones, in the order of the cycles shown.
    const std::vector<std::size_t> shown = cycles.Shown();
    if (lines.size() < shown.size())
        return;
    const std::size_t first = lines.size() - shown.size();
    for (std::size_t i = 0; i < shown.size(); ++i)
        lines[first + i].style = chart::kEveryCycle[shown[i]].style;
}

int DayOffsetNear(double x)
{
    const long offset = std::lround(x) - (chart::kLastDayOffset - chart::kFirstDayOffset) / 2;
    return static_cast<int>(std::clamp<long>(offset, chart::kFirstDayOffset, chart::kLastDayOffset));
}

QRect PlaceBeside(QSize box, QPoint anchor, QRect area, int gap)
{
    int left = anchor.x() + gap;
    if (left + box.width() > area.right() + 1)
        left = anchor.x() - gap - box.width();
    left = std::max(left, area.left());
    int top = anchor.y() - box.height() / 2;
    top = std::max(std::min(top, area.bottom() + 1 - box.height()), area.top());
    return { QPoint(left, top), box };
}

} // namespace ui
