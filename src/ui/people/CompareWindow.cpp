#include "ui/people/CompareWindow.h"

#include "app/DateText.h"
#include "app/MessagePrompter.h"
#include "chart/ChartPlot.h"
#include "chart/Compatibility.h"
#include "chart/DateComposition.h"
#include "chart/ValueTable.h"
#include "ui/Look.h"
#include "ui/drawing/ChartDrawing.h"
#include "ui/drawing/PrintedPages.h"
#include "ui/widgets/DialogControls.h"
#include "ui/widgets/Printing.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

// Under the chart, on its black: the cycles' names in their colours, any
// chosen extra ones four to a line below the classical three, then a stretch
// of solid and of dashed line with the person each stands for.
class ComparisonLegend final : public QWidget {
public:
    explicit ComparisonLegend(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("picLegend"));
        setFont(SansSerifFont(8.25, true));
        setFixedHeight(2 * fontMetrics().height() + 8);
    }

    void SetCycles(const chart::CycleChoice& choice)
    {
        extras = choice.Extras();
        setFixedHeight((2 + ExtraLines()) * fontMetrics().height() + 8);
        update();
    }

    void SetPeople(const QString& solid, const QString& dashed)
    {
        first = solid;
        second = dashed;
        setAccessibleName(QStringLiteral("Legend: solid lines %1, dashed lines %2").arg(first, second));
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        const int line = fontMetrics().height();
        const int third = width() / static_cast<int>(chart::kCycles.size());
        for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
            painter.setPen(ColorFromBgr(chart::kCycles[i].colour));
            painter.drawText(
                QRect(third * static_cast<int>(i), 2, third, line), Qt::AlignCenter, FromUtf8(chart::kCycles[i].name));
        }
        const int quarter = width() / static_cast<int>(kExtrasPerLine);
        for (std::size_t i = 0; i < extras.size(); ++i) {
            const auto column = static_cast<int>(i % kExtrasPerLine);
            const auto extraLine = static_cast<int>(i / kExtrasPerLine);
            painter.setPen(ColorFromBgr(chart::kEveryCycle[extras[i]].colour));
            painter.drawText(QRect(quarter * column, 2 + line * (1 + extraLine), quarter, line), Qt::AlignCenter,
                FromUtf8(chart::kEveryCycle[extras[i]].name));
        }
        const int below = line * ExtraLines();
        const int half = width() / 2;
        const QString labels[] = { first, second };
        for (int person = 0; person < 2; ++person) {
            const int left = half * person + 6;
            const int y = 4 + below + line + line / 2;
            QPen pen(Qt::white, 1, person == 0 ? Qt::SolidLine : Qt::DashLine);
            painter.setPen(pen);
            painter.drawLine(left, y, left + 28, y);
            painter.setPen(Qt::white);
            const QRect text(left + 34, 4 + below + line, half - 46, line);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                fontMetrics().elidedText(labels[person], Qt::ElideRight, text.width()));
        }
    }

private:
    static constexpr std::size_t kExtrasPerLine = 4;

    int ExtraLines() const { return static_cast<int>((extras.size() + kExtrasPerLine - 1) / kExtrasPerLine); }

    QString first;
    QString second;
    std::vector<std::size_t> extras;
};

namespace {

QString LongDate(std::chrono::year_month_day date)
{
    return QLocale().toString(app::ToQDate(date), QLocale::LongFormat);
}

// Both people's chart: the first person's curves plain, over the second
// person's dashed ones.
QImage Picture(const Comparison& comparison, qreal devicePixelRatio)
{
    ChartDrawing drawing;
    drawing.daysSinceBirth = chart::DaysSinceBirth(comparison.first.birthday, comparison.report);
    drawing.secondDaysSinceBirth = chart::DaysSinceBirth(comparison.second.birthday, comparison.report);
    drawing.cycles = comparison.cycles;
    return ChartImage(drawing, devicePixelRatio);
}

} // namespace

CompareWindow::CompareWindow(app::MessagePrompter& prompter, QWidget* owner)
    : QDialog(owner)
    , prompter(prompter)
    , lblFirst(new QLabel(QStringLiteral("&First (solid lines):"), this))
    , cboFirst(new QComboBox(this))
    , lblSecond(new QLabel(QStringLiteral("&Second (dashed lines):"), this))
    , cboSecond(new QComboBox(this))
    , lblReportDay(new QLabel(this))
    , picComparison(new QLabel(this))
    , legend(new ComparisonLegend(this))
    , tblCompatibility(new QTableWidget(4, 3, this))
    , cmdCopy(MakeDialogButton(this, "cmdCopy", QStringLiteral("C&opy")))
    , cmdPrint(MakeDialogButton(this, "cmdPrint", QStringLiteral("&Print...")))
    , cmdPreview(MakeDialogButton(this, "cmdPreview", QStringLiteral("Print Pre&view...")))
    , cmdClose(MakeDialogButton(this, "cmdClose", QStringLiteral("Close")))
{
    FrameDialog(*this, "frmCompare", QStringLiteral("Compare"));

    cboFirst->setObjectName(QStringLiteral("cboFirst"));
    cboFirst->setAccessibleName(QStringLiteral("First person, solid lines"));
    cboSecond->setObjectName(QStringLiteral("cboSecond"));
    cboSecond->setAccessibleName(QStringLiteral("Second person, dashed lines"));
    lblFirst->setBuddy(cboFirst);
    lblSecond->setBuddy(cboSecond);
    lblReportDay->setObjectName(QStringLiteral("lblReportDay"));

    picComparison->setObjectName(QStringLiteral("picComparison"));
    picComparison->setFixedSize(ChartSize());
    picComparison->setAccessibleName(QStringLiteral("Comparison chart"));
    legend->setFixedWidth(ChartSize().width());

    tblCompatibility->setObjectName(QStringLiteral("tblCompatibility"));
    tblCompatibility->setAccessibleName(QStringLiteral("Compatibility"));
    tblCompatibility->setHorizontalHeaderLabels(
        { QStringLiteral("Cycle"), QStringLiteral("Compatibility"), QStringLiteral("Out of step") });
    tblCompatibility->verticalHeader()->hide();
    tblCompatibility->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblCompatibility->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblCompatibility->setSelectionMode(QAbstractItemView::SingleSelection);
    tblCompatibility->setTabKeyNavigation(false);
    tblCompatibility->setShowGrid(false);
    tblCompatibility->horizontalHeader()->setStretchLastSection(true);
    FitTable();

    auto* choose = new QGridLayout;
    choose->addWidget(lblFirst, 0, 0);
    choose->addWidget(cboFirst, 0, 1);
    choose->addWidget(lblSecond, 1, 0);
    choose->addWidget(cboSecond, 1, 1);
    choose->addWidget(lblReportDay, 2, 0, 1, 2);
    choose->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPreview);
    buttons->addStretch(1);
    buttons->addWidget(MakeEndingButtonBox(*this, cmdClose, QDialogButtonBox::RejectRole, Qt::Horizontal));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choose);
    layout->addWidget(picComparison, 0, Qt::AlignHCenter);
    layout->addWidget(legend, 0, Qt::AlignHCenter);
    layout->addSpacing(0);
    layout->addWidget(tblCompatibility);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cboFirst, &QComboBox::currentIndexChanged, this, &CompareWindow::ShowComparison);
    connect(cboSecond, &QComboBox::currentIndexChanged, this, &CompareWindow::ShowComparison);
    connect(cmdCopy, &QPushButton::clicked, this, &CompareWindow::CopyComparison);
    connect(cmdPrint, &QPushButton::clicked, this, &CompareWindow::Print);
    connect(cmdPreview, &QPushButton::clicked, this, &CompareWindow::PrintPreview);
}

void CompareWindow::Open(const people::PeopleList& list, std::optional<std::chrono::year_month_day> boxes,
    std::chrono::year_month_day reportDay, std::size_t first)
{
    report = reportDay;
    choices.clear();
    choices = list.People();
    if (boxes)
        choices.push_back({ QString(), *boxes });
    QStringList entries;
    for (const people::Person& choice : choices)
        entries << (choice.name.isEmpty()
                ? QStringLiteral("The birthday in the boxes (%1)").arg(LongDate(choice.birthday))
                : PersonLabel(choice.name, LongDate(choice.birthday)));
    const int count = static_cast<int>(choices.size());
    const int firstIndex = std::min(static_cast<int>(first), count - 1);
    {
        const QSignalBlocker blockFirst(cboFirst);
        const QSignalBlocker blockSecond(cboSecond);
        for (QComboBox* box : { cboFirst, cboSecond }) {
            box->clear();
            box->addItems(entries);
        }
        cboFirst->setCurrentIndex(firstIndex);
        cboSecond->setCurrentIndex(count > 1 ? (firstIndex + 1) % count : 0);
    }
    lblReportDay->setText(QStringLiteral("The 28 days around the report day, %1").arg(LongDate(report)));
    ShowComparison();
    cboSecond->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void CompareWindow::SetCycles(const chart::CycleChoice& choice)
{
    cycles = choice;
    legend->SetCycles(cycles);
    ShowComparison();
}

Comparison CompareWindow::Current() const
{
    return { choices.at(static_cast<std::size_t>(std::max(0, cboFirst->currentIndex()))),
        choices.at(static_cast<std::size_t>(std::max(0, cboSecond->currentIndex()))), report, cycles };
}

// Every row in view without a scroll bar: the classical three, any chosen
// secondary cycles and Overall.
void CompareWindow::FitTable()
{
    tblCompatibility->setFixedHeight(tblCompatibility->horizontalHeader()->sizeHint().height()
        + tblCompatibility->rowCount() * tblCompatibility->verticalHeader()->defaultSectionSize()
        + 2 * tblCompatibility->frameWidth());
}

void CompareWindow::ShowComparison()
{
    if (choices.empty())
        return;
    const Comparison comparison = Current();
    picComparison->setPixmap(QPixmap::fromImage(Picture(comparison, devicePixelRatioF())));
    const QString first = PersonLabel(comparison.first.name, LongDate(comparison.first.birthday));
    const QString second = PersonLabel(comparison.second.name, LongDate(comparison.second.birthday));
    legend->SetPeople(first, second);
    picComparison->setAccessibleDescription(
        QStringLiteral("Both people's cycles over the 28 days around %1: %2 in solid lines, %3 in dashed lines")
            .arg(LongDate(report), first, second));

    const chart::Compatibility compatibility
        = chart::CompatibilityOf(comparison.first.birthday, comparison.second.birthday, comparison.cycles);
    // One row for each cycle with a figure of its own, then Overall, which
    // stays the mean of the classical three.
    const std::vector<std::size_t> rated = chart::CompatibilityCycles(compatibility);
    const int rows = static_cast<int>(rated.size()) + 1;
    if (tblCompatibility->rowCount() != rows) {
        tblCompatibility->setRowCount(rows);
        FitTable();
    }
    for (int row = 0; row < rows; ++row) {
        const bool overall = row == rows - 1;
        const std::size_t cycle = overall ? 0 : rated[static_cast<std::size_t>(row)];
        const chart::ExtraCompatibility figure = overall ? chart::ExtraCompatibility { cycle, compatibility.average, 0 }
                                                         : chart::CompatibilityFigure(compatibility, cycle);
        const double percent = figure.percent;
        const int daysOutOfStep = figure.daysOutOfStep;
        const QString apart = overall
            ? QStringLiteral("the mean of the three")
            : QStringLiteral("%1 of %2 days").arg(daysOutOfStep).arg(chart::kEveryCycle[cycle].length);
        const QString sentence = overall
            ? QStringLiteral("Overall: %1%, the mean of the three cycles").arg(FromUtf8(chart::PercentText(percent)))
            : FromUtf8(chart::CompatibilitySentence(compatibility, cycle));
        const QString texts[] = { overall ? QStringLiteral("Overall") : FromUtf8(chart::kEveryCycle[cycle].name),
            FromUtf8(chart::PercentText(percent)) + QLatin1Char('%'), apart };
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::AccessibleDescriptionRole, sentence);
            if (column == 0)
                item->setData(Qt::AccessibleTextRole, sentence);
            if (column == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (overall) {
                QFont bold = font();
                bold.setBold(true);
                item->setFont(bold);
            }
            tblCompatibility->setItem(row, column, item);
        }
    }
    // The last column takes the rest of the width: fitted to its contents
    // too, it would keep that width once the window is on show, short of the
    // right edge, as the header's stretch is only worked out again on a resize.
    tblCompatibility->resizeColumnToContents(0);
    tblCompatibility->resizeColumnToContents(1);
}

QString CompareWindow::FiguresText() const
{
    const Comparison comparison = Current();
    const chart::Compatibility compatibility
        = chart::CompatibilityOf(comparison.first.birthday, comparison.second.birthday, comparison.cycles);
    QString text = QStringLiteral("%1 and %2, the 28 days around %3\n")
                       .arg(PersonLabel(comparison.first.name, LongDate(comparison.first.birthday)),
                           PersonLabel(comparison.second.name, LongDate(comparison.second.birthday)), LongDate(report));
    for (const std::size_t cycle : chart::CompatibilityCycles(compatibility))
        text += FromUtf8(chart::CompatibilitySentence(compatibility, cycle)) + QLatin1Char('\n');
    return text + QStringLiteral("Overall: %1%\n").arg(FromUtf8(chart::PercentText(compatibility.average)));
}

void CompareWindow::CopyComparison()
{
    if (choices.empty())
        return;
    auto* data = new QMimeData;
    data->setImageData(Picture(Current(), devicePixelRatioF()));
    data->setText(FiguresText());
    QGuiApplication::clipboard()->setMimeData(data);
}

void CompareWindow::Print()
{
    ui::Print(this, ComparisonDocument(DocumentName(), Current()), prompter);
}

QString CompareWindow::DocumentName() const
{
    return QStringLiteral("biorhythm-compare-%1").arg(FromUtf8(chart::IsoDate(report)));
}

void CompareWindow::PrintPreview()
{
    ui::PrintPreview(this, ComparisonDocument(DocumentName(), Current()), prompter);
}

} // namespace ui
