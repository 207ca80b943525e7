#include "ui/drawing/PlannerPage.h"

#include "chart/LineStyle.h"
#include "chart/ValueTable.h"
#include "ui/Look.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

using namespace std::chrono;

// Of a block's height: the title row, the weekday row, the six week rows.
constexpr double kTitleShare = 0.09;
constexpr double kWeekdayShare = 0.05;
constexpr int kWeekRows = 6;
// Of a cell's height: the number and initials above the bars.
constexpr double kLabelShare = 0.38;

// The window's calendar, in logical pixels.
constexpr QSizeF kScreenCell(54, 50);
constexpr std::size_t kCalendarColumns = 3;
constexpr qreal kCalendarMargin = 10;
constexpr qreal kCalendarGap = 18;
// The key's lines, and its font.
constexpr qreal kLegendLineHeight = 18;
constexpr qreal kLegendFontPixels = 2 * kLegendLineHeight * 0.34;

const QColor kDoubleShade(255, 214, 150);
const QColor kTrebleShade(240, 150, 60);
const QColor kReportFrame(0, 60, 200);
const QColor kTodayCircle(70, 70, 70);
const QColor kCellLine(170, 170, 170);

QFont PixelFont(qreal pixels, bool bold = false)
{
    QFont font = SansSerifFont(8.25, bold);
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QRectF CellsArea(const QRectF& block)
{
    const qreal top = block.height() * (kTitleShare + kWeekdayShare);
    return block.adjusted(0, top, 0, 0);
}

// A bar's pen: the cycle's colour and, along the bar, its style's pattern,
// its unit a fraction of the bar's reach so that a dash stays shorter than
// a bar at every size.
QPen BarPen(std::size_t cycle, qreal width, qreal reach)
{
    QPen pen(ColorFromBgr(chart::kEveryCycle[cycle].colour), width);
    pen.setCapStyle(Qt::FlatCap);
    std::vector<double> pattern = chart::DashPattern(chart::kEveryCycle[cycle].style);
    if (!pattern.empty()) {
        const qreal unit = reach / 22.0 / width;
        QList<qreal> dashes;
        for (const double length : pattern)
            dashes << length * unit;
        pen.setDashPattern(dashes);
    }
    return pen;
}

// A bar for each cycle shown (indices into kEveryCycle: the classical ones,
// then the extra ones the reading holds), evenly across the strip; more bars
// are narrower, the bars taking the same share of the width together.
void DrawBars(
    QPainter& painter, const QRectF& strip, const chart::DayReading& reading, const std::vector<std::size_t>& shown)
{
    painter.fillRect(strip, Qt::black);
    const qreal middle = strip.center().y();
    const qreal reach = strip.height() / 2 - strip.height() * 0.06;
    painter.setPen(QPen(QColor(110, 110, 110), std::max<qreal>(1.0, strip.height() * 0.02)));
    painter.drawLine(QPointF(strip.left(), middle), QPointF(strip.right(), middle));
    const auto places = static_cast<qreal>(shown.size() + 1);
    // The three classical bars alone are as wide as they always were.
    static_assert(0.64 / 4 == 0.16);
    const qreal width = std::min(strip.width() * (0.64 / places), strip.height() * 0.22);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const qreal x = strip.left() + strip.width() * static_cast<qreal>(i + 1) / places;
        const chart::CycleReading& value
            = i < chart::kClassicalCount ? reading.cycles[i] : reading.extras[i - chart::kClassicalCount];
        const qreal length = reach * value.percent / 100.0;
        if (std::abs(length) < 0.5)
            continue;
        painter.setPen(BarPen(shown[i], width, reach));
        // From the midline out, so that every dash pattern starts there.
        painter.drawLine(QPointF(x, middle), QPointF(x, middle - length));
    }
}

void DrawCell(QPainter& painter, const QRectF& cell, const chart::PlannerDay& day,
    const std::vector<std::size_t>& shown, bool report, bool today, bool cursor)
{
    const QRectF label(cell.left(), cell.top(), cell.width(), cell.height() * kLabelShare);
    if (day.criticalCount >= 2)
        painter.fillRect(label, day.criticalCount == 3 ? kTrebleShade : kDoubleShade);
    DrawBars(
        painter, QRectF(cell.left(), label.bottom(), cell.width(), cell.bottom() - label.bottom()), day.reading, shown);

    const qreal pad = cell.width() * 0.05;
    const qreal textPixels = label.height() * 0.72;
    const QString number = QString::number(static_cast<unsigned>(day.date.day()));
    painter.setFont(PixelFont(textPixels, report || today));
    const QRectF numberPlace = label.adjusted(pad, 0, 0, 0);
    if (today) {
        const QFontMetricsF metrics(painter.font(), painter.device());
        const qreal side = std::max(metrics.horizontalAdvance(number) + pad, label.height() * 0.9);
        const QRectF circle(numberPlace.left() - pad / 2, label.center().y() - side / 2, side, side);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTodayCircle);
        painter.drawEllipse(circle);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::white);
        painter.drawText(circle, Qt::AlignCenter, number);
    } else {
        painter.setPen(Qt::black);
        painter.drawText(numberPlace, Qt::AlignLeft | Qt::AlignVCenter, number);
    }
    const std::string initials = chart::CriticalInitials(day.reading);
    if (!initials.empty()) {
        painter.setFont(PixelFont(textPixels, day.criticalCount >= 2));
        painter.setPen(Qt::black);
        painter.drawText(label.adjusted(0, 0, -pad, 0), Qt::AlignRight | Qt::AlignVCenter, FromUtf8(initials));
    }

    const qreal line = std::max<qreal>(1.0, cell.height() * 0.012);
    painter.setPen(QPen(kCellLine, line));
    painter.drawRect(cell);
    if (report) {
        const qreal frame = std::max<qreal>(2.0, cell.height() * 0.06);
        painter.setPen(QPen(kReportFrame, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(cell.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2));
    }
    if (cursor) {
        const qreal frame = std::max<qreal>(2.0, cell.height() * 0.04);
        painter.setPen(QPen(Qt::black, frame, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
        const qreal inset = frame * (report ? 2.5 : 0.5);
        painter.drawRect(cell.adjusted(inset, inset, -inset, -inset));
    }
}

QString MonthTitle(const QLocale& locale, year_month month)
{
    return QStringLiteral("%1 %2").arg(
        locale.standaloneMonthName(static_cast<int>(static_cast<unsigned>(month.month())), QLocale::LongFormat),
        QString::number(static_cast<int>(month.year())));
}

} // namespace

weekday FirstWeekday(const QLocale& locale)
{
    // Qt counts Monday 1 to Sunday 7, the standard library Sunday 0.
    return weekday { static_cast<unsigned>(locale.firstDayOfWeek()) % 7 };
}

QSizeF PlannerBlockSize(QSizeF cell)
{
    return { cell.width() * 7, cell.height() * kWeekRows / (1.0 - kTitleShare - kWeekdayShare) };
}

QRectF PlannerDayRect(
    const QRectF& block, const chart::Planner& planner, std::size_t month, std::size_t day, const QLocale& locale)
{
    const chart::PlannerMonth& m = planner.Months()[month];
    const weekday first = FirstWeekday(locale);
    const QRectF cells = CellsArea(block);
    const qreal width = cells.width() / 7;
    const qreal height = cells.height() / kWeekRows;
    const int place = chart::WeekColumn(m.month / 1, first) + static_cast<int>(day - m.firstDay);
    return { cells.left() + width * (place % 7), cells.top() + height * (place / 7), width, height };
}

void DrawPlannerMonth(QPainter& painter, const QRectF& block, const chart::Planner& planner, std::size_t month,
    const QLocale& locale, const PlannerMarks& marks)
{
    const chart::PlannerMonth& m = planner.Months()[month];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF title(block.left(), block.top(), block.width(), block.height() * kTitleShare);
    painter.setPen(Qt::black);
    painter.setFont(PixelFont(title.height() * 0.62, true));
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, MonthTitle(locale, m.month));

    const QRectF weekdays(block.left(), title.bottom(), block.width(), block.height() * kWeekdayShare);
    painter.setFont(PixelFont(weekdays.height() * 0.7));
    painter.setPen(QColor(60, 60, 60));
    const weekday first = FirstWeekday(locale);
    for (unsigned column = 0; column < 7; ++column) {
        const unsigned day = (first + days { column }).c_encoding();
        painter.drawText(QRectF(weekdays.left() + weekdays.width() * column / 7, weekdays.top(), weekdays.width() / 7,
                             weekdays.height()),
            Qt::AlignCenter, locale.dayName(day == 0 ? 7 : static_cast<int>(day), QLocale::ShortFormat));
    }

    const std::vector<std::size_t> shown = planner.Cycles().Shown();
    for (std::size_t d = m.firstDay; d < m.firstDay + m.dayCount; ++d) {
        const chart::PlannerDay& day = planner.Days()[d];
        DrawCell(painter, PlannerDayRect(block, planner, month, d, locale), day, shown, d == planner.ReportIndex(),
            marks.today && *marks.today == day.date, marks.cursor && *marks.cursor == d);
    }
    painter.restore();
}

namespace {

// The key's entries in reading order: a cycle's bar, or a mark's swatch,
// before its words; the marks start a line of their own.
enum class LegendSample { None, Cycle, DoubleShade, TrebleShade, ReportFrame, TodayCircle };
struct LegendEntry {
    LegendSample sample;
    std::size_t cycle; // for LegendSample::Cycle, an index into kEveryCycle
    QString words;
    bool startsLine;
};

std::vector<LegendEntry> LegendEntries(const chart::CycleChoice& cycles)
{
    std::vector<LegendEntry> entries;
    for (const std::size_t i : cycles.Shown())
        entries.push_back({ LegendSample::Cycle, i,
            QStringLiteral("%1 (%2)").arg(FromUtf8(chart::kEveryCycle[i].name),
                QString::fromLatin1(chart::LineStyleName(chart::kEveryCycle[i].style))),
            false });
    entries.push_back(
        { LegendSample::None, 0, QStringLiteral("Bars: values at the start of each day, up above 0%"), false });
    entries.push_back({ LegendSample::None, 0, QStringLiteral("P, E, I: critical cycles"), true });
    entries.push_back({ LegendSample::DoubleShade, 0, QStringLiteral("double critical day"), false });
    entries.push_back({ LegendSample::TrebleShade, 0, QStringLiteral("treble critical day"), false });
    entries.push_back({ LegendSample::ReportFrame, 0, QStringLiteral("report day"), false });
    entries.push_back({ LegendSample::TodayCircle, 0, QStringLiteral("today"), false });
    return entries;
}

// Where each entry goes in a key of the given width: its line (from 0) and
// its left edge. An entry that would run past the right edge starts a new
// line, so that the whole key is seen however narrow the picture. The
// breaks are measured without a paint device, so that the key's height is
// known before anything is drawn, and are the same on every device.
struct LegendPlace {
    int line;
    qreal left;
};
std::vector<LegendPlace> PlaceLegend(const std::vector<LegendEntry>& entries, qreal width, qreal fontPixels)
{
    const QFontMetricsF metrics(PixelFont(fontPixels));
    std::vector<LegendPlace> places;
    int line = 0;
    qreal x = 0;
    for (const LegendEntry& entry : entries) {
        const qreal sample = entry.sample == LegendSample::None ? 0 : fontPixels * 1.6;
        const qreal reach = sample + metrics.horizontalAdvance(entry.words);
        if (entry.startsLine || (x > 0 && x + reach > width)) {
            line += places.empty() ? 0 : 1;
            x = 0;
        }
        places.push_back({ line, x });
        x += reach + fontPixels * 1.2;
    }
    return places;
}

} // namespace

int PlannerLegendLines(qreal width, qreal fontPixels, const chart::CycleChoice& cycles)
{
    const std::vector<LegendPlace> places = PlaceLegend(LegendEntries(cycles), width, fontPixels);
    return places.back().line + 1;
}

void DrawPlannerLegend(
    QPainter& painter, const QRectF& strip, qreal fontPixels, qreal lineHeight, const chart::CycleChoice& cycles)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = PixelFont(fontPixels);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const std::vector<LegendEntry> entries = LegendEntries(cycles);
    const std::vector<LegendPlace> places = PlaceLegend(entries, strip.width(), fontPixels);
    int line = -1;
    qreal x = strip.left();
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const LegendEntry& entry = entries[e];
        // Along a line the words are set at the painter's own advances, as
        // they are drawn.
        if (places[e].line != line) {
            line = places[e].line;
            x = strip.left();
        }
        const QRectF row(strip.left(), strip.top() + line * lineHeight, strip.width(), lineHeight);
        const QRectF swatch(x, row.top() + row.height() * 0.15, fontPixels * 1.2, row.height() * 0.7);
        switch (entry.sample) {
        case LegendSample::None:
            break;
        case LegendSample::Cycle: {
            const QRectF sample(x, row.top() + row.height() * 0.05, fontPixels * 1.2, row.height() * 0.9);
            painter.fillRect(sample, Qt::black);
            painter.setPen(BarPen(entry.cycle, sample.width() * 0.4, sample.height() / 2));
            painter.drawLine(QPointF(sample.center().x(), sample.bottom()), QPointF(sample.center().x(), sample.top()));
            break;
        }
        case LegendSample::DoubleShade:
            painter.fillRect(swatch, kDoubleShade);
            break;
        case LegendSample::TrebleShade:
            painter.fillRect(swatch, kTrebleShade);
            break;
        case LegendSample::ReportFrame:
            painter.setPen(QPen(kReportFrame, std::max<qreal>(1.0, fontPixels * 0.18)));
            painter.drawRect(swatch);
            break;
        case LegendSample::TodayCircle:
            painter.setPen(Qt::NoPen);
            painter.setBrush(kTodayCircle);
            painter.drawEllipse(QRectF(swatch.left(), swatch.top(), swatch.height(), swatch.height()));
            painter.setBrush(Qt::NoBrush);
            break;
        }
        if (entry.sample != LegendSample::None)
            x += fontPixels * 1.6;
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(x, row.top(), row.right() - x, row.height()), Qt::AlignLeft | Qt::AlignVCenter, entry.words);
        x += metrics.horizontalAdvance(entry.words) + fontPixels * 1.2;
    }
    painter.restore();
}

namespace {

qreal CalendarWidth(const chart::Planner& planner)
{
    const int columns = std::min<int>(kCalendarColumns, static_cast<int>(planner.Months().size()));
    return kCalendarMargin * 2 + columns * PlannerBlockSize(kScreenCell).width() + (columns - 1) * kCalendarGap;
}

// The key above the blocks, as wide as they are together.
QRectF CalendarLegend(const chart::Planner& planner)
{
    const qreal width = CalendarWidth(planner) - 2 * kCalendarMargin;
    return { kCalendarMargin, kCalendarMargin, width,
        kLegendLineHeight * PlannerLegendLines(width, kLegendFontPixels, planner.Cycles()) };
}

} // namespace

QSizeF PlannerCalendarSize(const chart::Planner& planner)
{
    const QRectF last = PlannerCalendarBlock(planner, planner.Months().size() - 1);
    return { CalendarWidth(planner), last.bottom() + kCalendarMargin };
}

QRectF PlannerCalendarBlock(const chart::Planner& planner, std::size_t month)
{
    const QSizeF block = PlannerBlockSize(kScreenCell);
    const auto column = static_cast<qreal>(month % kCalendarColumns);
    const auto row = static_cast<qreal>(month / kCalendarColumns);
    return { kCalendarMargin + column * (block.width() + kCalendarGap),
        CalendarLegend(planner).bottom() + kCalendarGap + row * (block.height() + kCalendarGap), block.width(),
        block.height() };
}

void DrawPlannerCalendar(
    QPainter& painter, const chart::Planner& planner, const QLocale& locale, const PlannerMarks& marks)
{
    painter.fillRect(QRectF(QPointF(0, 0), PlannerCalendarSize(planner)), Qt::white);
    DrawPlannerLegend(painter, CalendarLegend(planner), kLegendFontPixels, kLegendLineHeight, planner.Cycles());
    for (std::size_t month = 0; month < planner.Months().size(); ++month)
        DrawPlannerMonth(painter, PlannerCalendarBlock(planner, month), planner, month, locale, marks);
}

PlannerPrintLayout PlannerPrintLayoutFor(int months)
{
    if (months <= 3)
        return { 1, QPageLayout::Landscape };
    return { 3, QPageLayout::Portrait };
}

int PlannerPageCount(const chart::Planner& planner)
{
    const int months = static_cast<int>(planner.Months().size());
    const int perPage = PlannerPrintLayoutFor(months).monthsPerPage;
    return (months + perPage - 1) / perPage;
}

void DrawPlannerPage(QPainter& painter, const QRectF& page, const chart::Planner& planner, int pageIndex,
    const QLocale& locale, std::optional<std::chrono::year_month_day> today)
{
    const int months = static_cast<int>(planner.Months().size());
    const int perPage = PlannerPrintLayoutFor(months).monthsPerPage;
    const qreal unit = std::min(page.width(), page.height()) / 180.0; // about a millimetre

    painter.save();
    painter.setPen(Qt::black);
    const QRectF heading(page.left(), page.top(), page.width(), unit * 9);
    painter.setFont(PixelFont(unit * 5.6, true));
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Biorhythm Planner"));
    painter.setFont(PixelFont(unit * 3.2));
    painter.drawText(heading, Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("Birthday %1   Report day %2   Page %3 of %4")
            .arg(FromUtf8(chart::IsoDate(planner.Birth())), FromUtf8(chart::IsoDate(planner.Report())))
            .arg(pageIndex + 1)
            .arg(PlannerPageCount(planner)));

    const qreal legendHeight = unit * 5 * PlannerLegendLines(page.width(), unit * 3.2, planner.Cycles());
    const QRectF legend(page.left(), page.bottom() - legendHeight, page.width(), legendHeight);
    DrawPlannerLegend(painter, legend, unit * 3.2, unit * 5, planner.Cycles());

    const int first = pageIndex * perPage;
    const int count = std::min(perPage, months - first);
    const qreal gap = unit * 4;
    const qreal areaTop = heading.bottom() + unit * 2;
    const qreal areaHeight = legend.top() - unit * 2 - areaTop;
    // The page's width and a full page's share of its height, whatever the
    // shape of the cells: wide cells leave the bars room.
    const QSizeF block(page.width(), (areaHeight - gap * (perPage - 1)) / perPage);
    for (int i = 0; i < count; ++i) {
        const QRectF place(page.left(), areaTop + i * (block.height() + gap), block.width(), block.height());
        DrawPlannerMonth(painter, place, planner, static_cast<std::size_t>(first + i), locale, { today, std::nullopt });
    }
    painter.restore();
}

} // namespace ui
