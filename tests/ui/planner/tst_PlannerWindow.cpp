#include "ui/chart/DayReadoutBox.h"
#include "ui/planner/PlannerPage.h"
#include "ui/planner/PlannerView.h"
#include "ui/planner/PlannerWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace std::chrono;

class PlannerWindowTest : public QObject {
    Q_OBJECT

    std::optional<ui::PlannerRequest> printed;
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
        const auto keep = [this](QWidget*, const ui::PlannerRequest& request) { printed = request; };
        window = std::make_unique<ui::PlannerWindow>(ui::PlannerWindow::Services { keep, keep, {} }, nullptr);
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
        } periods[] = { { 1, "Sunday, 31 March 2024", 1 }, { 3, "Friday, 31 May 2024", 3 },
            { 6, "Saturday, 31 August 2024", 2 }, { 12, "Friday, 28 February 2025", 4 } };
        for (const auto& expected : periods) {
            period->setCurrentIndex(period->findData(expected.months));
            QCOMPARE(view->Shown()->Months().size(), std::size_t(expected.months));
            QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblRange"))->text(),
                QStringLiteral("From Friday, 1 March 2024 to ") + QLatin1String(expected.last));
            window->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
            QCOMPARE(printed->months, expected.months);
            const chart::Planner pages(printed->birth, printed->report, printed->months);
            QCOMPARE(pages.Months().front().month, 2024y / March);
            QCOMPARE(ui::PlannerPageCount(pages), expected.pages);
        }
    }
};

QTEST_MAIN(PlannerWindowTest)
#include "tst_PlannerWindow.moc"
