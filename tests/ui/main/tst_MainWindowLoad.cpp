#include "MainWindowHarness.h"
#include "app/DateText.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

using testing_support::FocusedControl;
using testing_support::MainWindowHarness;
using testing_support::Texts;

namespace {

QStringList Entries(const QComboBox* box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i));
    return entries;
}

QStringList Numbers(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(QString::number(n));
    return numbers;
}

// What a user sees when opening a menu: captions of the visible entries,
// "-" for a separator.
QStringList VisibleEntries(const QMenu* menu)
{
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (action->isVisible())
            entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

} // namespace

class TestMainWindowLoad : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheDefaultBirthdayAndTodayAsReportDay()
    {
        MainWindowHarness harness;
        QCOMPARE(harness.Box("cboBirthMonth")->currentText(), QStringLiteral("Jan"));
        QCOMPARE(harness.Box("cboBirthDay")->currentText(), QStringLiteral("4"));
        QCOMPARE(harness.Box("cboBirthYear")->currentText(), QStringLiteral("1980"));
        QCOMPARE(harness.Box("cboReportMonth")->currentText(), QStringLiteral("Mar"));
        QCOMPARE(harness.Box("cboReportDay")->currentText(), QStringLiteral("17"));
        QCOMPARE(harness.Box("cboReportYear")->currentText(), QStringLiteral("2024"));
        QCOMPARE(harness.Find<QLabel>("lblDate")->text(), app::ShortDateText(QDate(2024, 3, 17)));
        QCOMPARE(harness.Find<QLabel>("lblLeast")->text(), QStringLiteral("-14"));
        QCOMPARE(harness.Find<QLabel>("lblMost")->text(), QStringLiteral("14"));
        QCOMPARE(harness.reminders, 1);
        QCOMPARE(harness.exitScreens, 0);
        QVERIFY(harness.prompter.shown.isEmpty());
        QVERIFY(harness.launcher.opened.empty());
    }

    void listsOfferFixedMonthsDaysAndYears()
    {
        MainWindowHarness harness;
        const QStringList months
            = Texts({ "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" });
        QCOMPARE(Entries(harness.Box("cboBirthMonth")), months);
        QCOMPARE(Entries(harness.Box("cboReportMonth")), months);
        QCOMPARE(Entries(harness.Box("cboBirthDay")), Numbers(1, 31));
        QCOMPARE(Entries(harness.Box("cboReportDay")), Numbers(1, 31));
        QCOMPARE(Entries(harness.Box("cboBirthYear")), Numbers(1900, 2020));
        QCOMPARE(Entries(harness.Box("cboReportYear")), Numbers(1900, 2099));
        QVERIFY(!harness.Box("cboBirthMonth")->isEditable());
        QVERIFY(!harness.Box("cboReportMonth")->isEditable());
        QVERIFY(!harness.Box("cboBirthYear")->isEditable());
        QVERIFY(harness.Box("cboReportYear")->isEditable());
    }

    void todayOutsideTheYearListStillShowsAsReportYear()
    {
        MainWindowHarness harness(std::chrono::year { 2150 } / std::chrono::December / 31);
        QCOMPARE(harness.Box("cboReportYear")->currentText(), QStringLiteral("2150"));
        QCOMPARE(harness.Box("cboReportMonth")->currentText(), QStringLiteral("Dec"));
        QCOMPARE(harness.Box("cboReportDay")->currentText(), QStringLiteral("31"));
        QCOMPARE(harness.Box("cboReportYear")->count(), 200);
        QCOMPARE(harness.Find<QLabel>("lblDate")->text(), app::ShortDateText(QDate(2150, 12, 31)));
    }

    void reportDateIsCentredOverTheChart()
    {
        MainWindowHarness harness;
        const QWidget* chart = harness.Find<QWidget>("picBiorhythm");
        const QLabel* date = harness.Find<QLabel>("lblDate");
        QVERIFY(chart && date);
        QVERIFY(qAbs(date->geometry().center().x() - chart->geometry().center().x()) <= 1);
        QCOMPARE(date->width(), date->sizeHint().width());
    }

    void startsWithTheGeneralExplanation()
    {
        MainWindowHarness harness;
        const auto labels = harness.window->findChildren<QLabel*>(QStringLiteral("lblInfo"));
        QCOMPARE(labels.size(), 2);
        for (const QLabel* label : labels) {
            if (label->property("index").toInt() == 0) {
                QCOMPARE(label->text(), QStringLiteral("General:"));
            } else {
                QVERIFY(label->text().startsWith(QStringLiteral("Chart represents a range of days")));
                QVERIFY(label->text().contains(QStringLiteral("to the future.\nThe numbers from +100%")));
                QVERIFY(label->text().endsWith(QStringLiteral("it is a critical phase.")));
            }
        }
    }

    void isFixedWithCloseBoxOnlyAndOpensAtTopCentre()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QMainWindow* window = harness.window.get();
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavio Biorhythm Chart Software v1.95"));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window->frameGeometry().top(), screen.top());
        QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(!window->windowIcon().isNull());
    }

    void focusStartsInReportMonthAndTabWalksTheOrder()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QCOMPARE(FocusedControl(), QStringLiteral("cboReportMonth"));
        const QStringList order = Texts({ "cboReportDay", "cboBirthDay", "cboBirthMonth", "cmdBiorythm", "picBiorhythm",
            "picExplain", "cboBirthYear", "cboReportYear", "Command1", "cboReportMonth" });
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(FocusedControl(), next);
        }
        // And back again.
        for (qsizetype i = order.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(FocusedControl(), order.at(i));
        }
    }

    void menusShowTheirVisibleEntriesOnly()
    {
        MainWindowHarness harness;
        QMenuBar* bar = harness.window->menuBar();
        QStringList top;
        for (const QAction* action : bar->actions())
            if (action->isVisible())
                top.append(action->text());
        QCOMPARE(top, Texts({ "&File", "Help", "Donate" }));
        QCOMPARE(VisibleEntries(harness.Find<QMenu>("mnuFile")), Texts({ "&Create Biorythm Chart", "-", "Exit" }));
        QCOMPARE(VisibleEntries(harness.Find<QMenu>("mnuHelp")),
            Texts({ "Online &Help", "Visit Us Online", "-", "Check For Update", "-", "About Us" }));
        // The hidden items exist but never show.
        QAction* makeMoney = harness.Find<QAction>("mnuMakeMoney");
        QAction* hiddenSeparator = harness.Find<QAction>("sep3");
        QVERIFY(makeMoney && hiddenSeparator);
        QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
        QVERIFY(!makeMoney->isVisible());
        QVERIFY(!hiddenSeparator->isVisible());
    }
};

QTEST_MAIN(TestMainWindowLoad)
#include "tst_MainWindowLoad.moc"
