#include "ui/actions/CriticalDaysDialog.h"

#include "app/DateText.h"
#include "calendar/CriticalCalendar.h"
#include "chart/CriticalDays.h"
#include "ui/Look.h"
#include "ui/actions/CriticalDaysModel.h"
#include "ui/widgets/DialogControls.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kDefaultMonths = 3;
constexpr int kVisibleRows = 12;

// The cycles column: each cycle's name in the colour of its curve, on the
// table's dark ground as on the chart's.
class CycleNamesDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
        const QFontMetrics metrics(item.font);
        const QString separator = QStringLiteral(", ");
        painter->save();
        painter->setFont(item.font);
        int x = text.left();
        const auto draw = [&](const QString& words, const QColor& colour) {
            painter->setPen(colour);
            painter->drawText(QRect(x, text.top(), text.right() + 1 - x, text.height()),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, words);
            x += metrics.horizontalAdvance(words);
        };
        const QList<int> cycles = index.data(CriticalDaysModel::CycleIndicesRole).value<QList<int>>();
        for (qsizetype i = 0; i < cycles.size(); ++i) {
            if (i > 0)
                draw(separator, item.palette.color(QPalette::Text));
            const chart::BiorhythmCycle& cycle = chart::kCycles[static_cast<std::size_t>(cycles[i])];
            draw(FromUtf8(cycle.name), ColorFromBgr(cycle.colour));
        }
        painter->restore();
    }
};

QTableView* MakeTable(QWidget* parent, CriticalDaysModel* model)
{
    auto* table = new QTableView(parent);
    table->setObjectName(QStringLiteral("tblCriticalDays"));
    table->setAccessibleName(QStringLiteral("Critical days"));
    table->setModel(model);
    table->setItemDelegateForColumn(CriticalDaysModel::CyclesColumn, new CycleNamesDelegate(table));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons; the arrows walk its rows.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setShowGrid(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(SansSerifFont(8.25, true)).height() + 6);
    table->horizontalHeader()->setHighlightSections(false);
    // The readout's dark ground, on which the curves' colours read well.
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, QColor(32, 32, 32));
    palette.setColor(QPalette::Text, Qt::white);
    table->setPalette(palette);
    return table;
}

} // namespace

CriticalDaysDialog::CriticalDaysDialog(CalendarSaver saveCalendar, QWidget* owner)
    : QDialog(owner)
    , saveCalendar(std::move(saveCalendar))
    , model(new CriticalDaysModel(this))
    , lblPeriod(new QLabel(QStringLiteral("&Period:"), this))
    , cboPeriod(new QComboBox(this))
    , lblRange(new QLabel(this))
    , tblCriticalDays(MakeTable(this, model))
    , lblNextTreble(new QLabel(this))
    , lblClassicalOnly(new QLabel(QStringLiteral("Critical days are those of the physical, emotional and "
                                                 "intellectual cycles; the extra cycles have none."),
          this))
    , cmdAddToCalendar(MakeDialogButton(this, "cmdAddToCalendar", QStringLiteral("&Add to Calendar...")))
    , cmdCopy(MakeDialogButton(this, "cmdCopy", QStringLiteral("C&opy")))
    , cmdClose(MakeDialogButton(this, "cmdClose", QStringLiteral("Close")))
{
    FrameDialog(*this, "frmCriticalDays", QStringLiteral("Critical Days"));
    setModal(true);

    SetUpPeriodRow(*lblPeriod, *cboPeriod, *lblRange, kDefaultMonths);
    lblNextTreble->setObjectName(QStringLiteral("lblNextTreble"));
    lblNextTreble->setFont(SansSerifFont(8.25, true));
    lblNextTreble->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblClassicalOnly->setObjectName(QStringLiteral("lblClassicalOnly"));
    lblClassicalOnly->setWordWrap(true);
    lblClassicalOnly->hide();
    // Return closes from anywhere, a focused button included, as the table
    // is read rather than chosen from.
    cmdClose->setDefault(true);

    auto* period = new QHBoxLayout;
    period->addWidget(lblPeriod);
    period->addWidget(cboPeriod);
    period->addSpacing(12);
    period->addWidget(lblRange, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddToCalendar);
    buttons->addWidget(cmdCopy);
    buttons->addStretch(1);
    buttons->addWidget(MakeEndingButtonBox(*this, cmdClose, QDialogButtonBox::RejectRole, Qt::Horizontal));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(tblCriticalDays, 1);
    layout->addWidget(lblNextTreble);
    layout->addWidget(lblClassicalOnly);
    layout->addLayout(buttons);

    connect(cboPeriod, &QComboBox::currentIndexChanged, this, &CriticalDaysDialog::ShowPeriod);
    connect(cmdAddToCalendar, &QPushButton::clicked, this, &CriticalDaysDialog::AddToCalendar);
    connect(cmdCopy, &QPushButton::clicked, this, &CriticalDaysDialog::CopyTable);
}

void CriticalDaysDialog::ShowChart(
    const people::Person& chartPerson, std::chrono::year_month_day reportDay, bool extraCyclesShown)
{
    person = chartPerson;
    report = reportDay;
    lblClassicalOnly->setVisible(extraCyclesShown);
    lblNextTreble->setText(NextTrebleText(chart::NextTrebleCriticalDay(person.birthday, report)));
    ShowPeriod();
    // Before showing: a dialog being shown hands a focus-in to its focus
    // widget, and a button that had the focus when it closed would take it
    // and stay the default.
    tblCriticalDays->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void CriticalDaysDialog::ShowPeriod()
{
    const int dayCount = chart::DaysInMonths(report, cboPeriod->currentData().toInt());
    const QLocale locale;
    const QDate first = app::ToQDate(report);
    const QString range = QStringLiteral("From the report day, %1, to %2")
                              .arg(locale.toString(first, QLocale::LongFormat),
                                  locale.toString(first.addDays(dayCount - 1), QLocale::LongFormat));
    lblRange->setText(person.name.isEmpty()
            ? range
            : QStringLiteral("Critical days for %1, from the report day, %2, to %3")
                  .arg(person.name, locale.toString(first, QLocale::LongFormat),
                      locale.toString(first.addDays(dayCount - 1), QLocale::LongFormat)));
    model->SetDays(chart::CriticalDays(person.birthday, report, dayCount), locale);
    tblCriticalDays->setCurrentIndex(model->index(0, 0));

    // Wide enough for every column, tall enough for a dozen rows; the last
    // column takes what the dialog has over. Measured unstretched, as a
    // stretched column keeps its width from before as its least.
    QHeaderView* header = tblCriticalDays->horizontalHeader();
    header->setStretchLastSection(false);
    tblCriticalDays->resizeColumnsToContents();
    const int frame = 2 * tblCriticalDays->frameWidth();
    tblCriticalDays->setMinimumSize(header->length() + tblCriticalDays->verticalScrollBar()->sizeHint().width() + frame,
        header->height() + kVisibleRows * tblCriticalDays->verticalHeader()->defaultSectionSize() + frame);
    header->setStretchLastSection(true);
}

void CriticalDaysDialog::AddToCalendar()
{
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    saveCalendar(QByteArray::fromStdString(
        calendar::CriticalDaysCalendar(person.birthday, model->Days(), now, person.name.toStdString())));
}

void CriticalDaysDialog::CopyTable()
{
    QApplication::clipboard()->setText(model->TabSeparated());
}

} // namespace ui
