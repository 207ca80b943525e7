#include "chart/BiorhythmCycle.h"
#include "ui/Look.h"
#include "ui/drawing/ComparisonPage.h"
#include "ui/drawing/ReportPage.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

using namespace std::chrono;

constexpr int kDpi = 150;

// A sheet of paper as a printer with 15 mm margins lays the page out on it:
// white, the page drawn into its printable area only.
struct Sheet {
    QImage image;
    QRect printable;
};

// Every extra cycle at once, the most the page has to hold.
chart::CycleChoice EveryExtraCycle()
{
    chart::CycleChoice cycles;
    for (std::size_t i = chart::kClassicalCount; i < chart::kEveryCycle.size(); ++i)
        cycles.Set(i, true);
    return cycles;
}

Sheet PrintedSheet(QPageSize::PageSizeId size, const chart::CycleChoice& cycles = {})
{
    const QPageLayout layout(
        QPageSize(size), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    Sheet sheet { QImage(layout.fullRectPixels(kDpi).size(), QImage::Format_RGB32), layout.paintRectPixels(kDpi) };
    sheet.image.setDotsPerMeterX(qRound(kDpi / 0.0254));
    sheet.image.setDotsPerMeterY(qRound(kDpi / 0.0254));
    sheet.image.fill(Qt::white);
    QPainter painter(&sheet.image);
    ui::DrawReportPage(painter, sheet.printable, 1980y / January / 4d, 2026y / December / 8d, cycles);
    return sheet;
}

// The image's rows in which at least share of the given width is colour.
std::vector<int> RowsMostly(const QImage& image, QRgb colour, int width, double share)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::count(line, line + image.width(), colour | 0xFF000000u) >= share * width)
            rows.push_back(y);
    }
    return rows;
}

} // namespace

class ReportPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InstallFontSubstitutes(); }

    // Scaled down to a shorter or narrower area, never cut off by it.
    void fillsThePrintableAreaAndNothingElse_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("size");
        QTest::addColumn<bool>("extras");
        QTest::newRow("A4, as wide as the page") << QPageSize::A4 << false;
        QTest::newRow("Letter, shorter") << QPageSize::Letter << false;
        QTest::newRow("A5, narrower") << QPageSize::A5 << false;
        QTest::newRow("A4, every extra cycle") << QPageSize::A4 << true;
        QTest::newRow("Letter, every extra cycle") << QPageSize::Letter << true;
    }

    void fillsThePrintableAreaAndNothingElse()
    {
        QFETCH(QPageSize::PageSizeId, size);
        QFETCH(bool, extras);
        const Sheet sheet = PrintedSheet(size, extras ? EveryExtraCycle() : chart::CycleChoice());
        QRect drawn;
        for (int y = 0; y < sheet.image.height(); ++y)
            for (int x = 0; x < sheet.image.width(); ++x)
                if (sheet.image.pixel(x, y) != qRgb(255, 255, 255))
                    drawn |= QRect(x, y, 1, 1);
        // The table's rules end in square caps, half their 0.2 mm pen past
        // the area's sides: the one pixel allowed.
        const QRect allowed = sheet.printable.adjusted(-1, -1, 1, 1);
        QCOMPARE(allowed.united(drawn), allowed);
        QVERIFY(drawn.width() > 0.95 * sheet.printable.width() || drawn.height() > 0.95 * sheet.printable.height());
    }

    // The table's rules run across the page, above the first day and below
    // the last; the report day, the 15th of 29, lies halfway between them.
    void shadesTheReportDaysRow()
    {
        const Sheet sheet = PrintedSheet(QPageSize::A4);
        const std::vector<int> rules = RowsMostly(sheet.image, qRgb(0, 0, 0), sheet.printable.width(), 0.9);
        const std::vector<int> shaded = RowsMostly(sheet.image, qRgb(220, 220, 220), sheet.printable.width(), 0.5);
        QVERIFY(rules.size() >= 2 && !shaded.empty());
        const auto rows = static_cast<int>(shaded.size());
        QCOMPARE(shaded.back() - shaded.front() + 1, rows);
        QVERIFY2(std::abs(rows - (rules.back() - rules.front()) / 29.0) <= 2, qPrintable(QString::number(rows)));
        QVERIFY(std::abs((shaded.front() + shaded.back()) / 2.0 - (rules.front() + rules.back()) / 2.0) <= 1.5);
    }

    // Each curve in its cycle's colour down the chart, not only its name and
    // line sample in the legend (a few rows); a dotted curve lights fewer
    // rows in its exact colour than a solid one, but still far more. The
    // extra cycles chosen are drawn so too, over the classical ones: their
    // legend rows are narrower (27 rows here), a sparsely dotted curve
    // partly hidden by later ones lights fewer rows, still twice those.
    void drawsEachCycleInItsColour()
    {
        for (const bool extras : { false, true }) {
            const Sheet sheet = PrintedSheet(QPageSize::A4, extras ? EveryExtraCycle() : chart::CycleChoice());
            for (const chart::BiorhythmCycle& cycle : chart::kEveryCycle) {
                if (!extras && cycle.kind != chart::CycleKind::Classical)
                    continue;
                std::set<int> rows;
                for (int y = 0; y < sheet.image.height(); ++y)
                    for (int x = 0; x < sheet.image.width(); ++x)
                        if (sheet.image.pixel(x, y) == ui::RgbFromBgr(cycle.colour))
                            rows.insert(y);
                QVERIFY2(rows.size() > (cycle.kind == chart::CycleKind::Classical ? 100u : 60u),
                    qPrintable(QStringLiteral("%1: %2 rows").arg(ui::FromUtf8(cycle.name)).arg(rows.size())));
            }
        }
    }

    // The comparison page and the legends lay a person's label out as one
    // paragraph in the direction of its first letter: an Arabic name first
    // must not turn it right to left, "(born ...)" left of the name. A name
    // in Latin letters keeps its label exactly, not a character added.
    void personLabelReadsLeftToRightWhateverTheName()
    {
        const QString label
            = ui::PersonLabel(QString::fromUtf8("\u0644\u064a\u0644\u0649"), QStringLiteral("1990-05-01"));
        QTextLayout layout(label, ui::SansSerifFont(10));
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        QVERIFY(line.cursorToX(0) < line.cursorToX(static_cast<int>(label.size())));
        QVERIFY(label.endsWith(QStringLiteral(" (born 1990-05-01)")));
        QCOMPARE(ui::PersonLabel(QStringLiteral("Anna"), QStringLiteral("1984-03-02")),
            QStringLiteral("Anna (born 1984-03-02)"));
    }
};

QTEST_MAIN(ReportPageTest)
#include "tst_ReportPage.moc"
