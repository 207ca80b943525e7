#include "ScriptedPrompter.h"
#include "ui/Look.h"
#include "ui/chart/DayReadoutBox.h"
#include "ui/drawing/PlannerPage.h"
#include "ui/planner/PlannerView.h"
#include "ui/planner/PlannerWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace std::chrono;

class PlannerWindowTest : public QObject {
    Q_OBJECT

    testing_support::ScriptedPrompter prompter;
    std::unique_ptr<ui::PlannerWindow> window;
    ui::PlannerView* view = nullptr;

    year_month_day CursorDate() const { return view->Shown()->Days()[view->CursorDay()].date; }
    QString Readout() const
    {
        const auto* box = view->findChild<ui::DayReadoutBox*>();
        return box->isVisible() ? box->Lines().front().text : QString();
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        window = std::make_unique<ui::PlannerWindow>(ui::PlannerWindow::Services { nullptr }, prompter, nullptr);
        window->ShowChart(1980y / January / 4d, 2024y / March / 17d, 2024y / March / 20d);
        view = window->findChild<ui::PlannerView*>();
        QTRY_VERIFY(view->hasFocus());
    }

    // The readout and the spoken day follow the cursor, the readout the
    // pointer until the next key, even one stopped at an end.
    void keysAndClicksWalkTheCalendar()
    {
        QCOMPARE(Readout(), QStringLiteral("Sunday, 17 March 2024"));
        QTest::keyClick(view, Qt::Key_Down);
        const QPoint march24 = view->CursorRect().center();
        QTest::keyClick(view, Qt::Key_PageDown);
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(Readout(), QStringLiteral("Tuesday, 23 April 2024"));
        QVERIFY(view->accessibleDescription().startsWith(QStringLiteral("Tuesday 23 April 2024, 37 days after")));
        QTest::keyClick(view, Qt::Key_Home);
        QTest::mouseMove(view, march24);
        QCOMPARE(Readout(), QStringLiteral("Sunday, 24 March 2024"));
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(Readout(), QStringLiteral("Friday, 1 March 2024"));
        QTest::mouseClick(view, Qt::LeftButton, {}, march24);
        QCOMPARE(CursorDate(), 2024y / March / 24d);
        QTest::keyClick(view, Qt::Key_End);

        // Away, the readout goes with the pointer; back, the cursor keeps its day.
        window->findChild<QComboBox*>()->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(Readout(), QStringLiteral("Sunday, 24 March 2024"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view, &leave);
        QCOMPARE(Readout(), QString());
        view->setFocus(Qt::TabFocusReason);
        QCOMPARE(Readout(), QStringLiteral("Friday, 31 May 2024"));
    }

    // Each period from the report day's month, on screen and printed: a
    // month a page up to three, then three a page.
    void thePeriodSetsTheCalendarAndThePrint()
    {
        auto* period = window->findChild<QComboBox*>();
        const struct {
            int months;
            const char* last;
            int pages;
            QPageLayout::Orientation orientation;
        } periods[] = { { 1, "Sunday, 31 March 2024", 1, QPageLayout::Landscape },
            { 3, "Friday, 31 May 2024", 3, QPageLayout::Landscape },
            { 6, "Saturday, 31 August 2024", 2, QPageLayout::Portrait },
            { 12, "Friday, 28 February 2025", 4, QPageLayout::Portrait } };
        for (const auto& expected : periods) {
            period->setCurrentIndex(period->findData(expected.months));
            QCOMPARE(view->Shown()->Months().size(), std::size_t(expected.months));
            QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblRange"))->text(),
                QStringLiteral("From Friday, 1 March 2024 to ") + QLatin1String(expected.last));
            const ui::PrintedDocument printed = window->Document();
            QCOMPARE(printed.pageCount, expected.pages);
            QCOMPARE(printed.orientation, expected.orientation);
            QCOMPARE(printed.title, QStringLiteral("biorhythm-planner-2024-03-17"));
        }
    }

    // The chart's extra cycles follow the classical ones in the readout, in
    // their colours and line styles, and in the spoken day.
    void theReadoutListsTheExtraCycles()
    {
        window->ShowChart(1980y / January / 4d, 2024y / March / 17d, std::nullopt,
            *chart::CycleChoice::FromNames("average,intuitive"));
        const std::vector<ui::ReadoutLine> lines = view->findChild<ui::DayReadoutBox*>()->Lines();
        QCOMPARE(lines.size(), std::size_t(7));
        QVERIFY(lines[4].text.startsWith(QStringLiteral("Intellectual ")));
        QVERIFY(lines[5].text.startsWith(QStringLiteral("Intuitive ")));
        QVERIFY(lines[6].text.startsWith(QStringLiteral("Average ")));
        QCOMPARE(lines[6].colour, ui::RgbFromBgr(chart::kEveryCycle[10].colour));
        QCOMPARE(lines[6].style, std::optional(chart::LineStyle::LongShortDashed));
        const QRegularExpression spoken(QStringLiteral(
            "intellectual -?\\d+% \\w+(, critical)?, intuitive -?\\d+% \\w+, average -?\\d+% \\w+(;|$)"));
        QVERIFY2(spoken.match(view->accessibleDescription()).hasMatch(), qPrintable(view->accessibleDescription()));
    }
};

QTEST_MAIN(PlannerWindowTest)
#include "tst_PlannerWindow.moc"
