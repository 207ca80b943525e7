#include "MainWindowHarness.h"
#include "app/DateText.h"
#include "ui/chart/ChartArea.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using testing_support::FocusedControl;
using testing_support::MainWindowHarness;

namespace {

struct DateTexts {
    const char* month;
    const char* day;
    const char* year;
};

// Sets a triple of boxes without moving the focus, so no box is corrected.
void Fill(const MainWindowHarness& harness, const char* prefix, DateTexts date)
{
    auto box = [&](const char* part) {
        return harness.Box(QStringLiteral("cbo%1%2").arg(QLatin1String(prefix), QLatin1String(part)).toLatin1());
    };
    QComboBox* month = box("Month");
    month->setCurrentIndex(month->findText(QString::fromLatin1(date.month)));
    box("Day")->setEditText(QString::fromLatin1(date.day));
    QComboBox* year = box("Year");
    if (year->isEditable())
        year->setEditText(QString::fromLatin1(date.year));
    else
        year->setCurrentIndex(year->findText(QString::fromLatin1(date.year)));
}

} // namespace

class TestMainWindowChartRequest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        harness = std::make_unique<MainWindowHarness>();
        QVERIFY(harness->ShowActive());
        chart = harness->Find<ui::ChartArea>("picBiorhythm");
        date = harness->Find<QLabel>("lblDate");
        button = harness->Find<QPushButton>("cmdBiorythm");
        menu = harness->Find<QAction>("mnuRun");
        QVERIFY(chart && date && button && menu);
    }
    void cleanup() { harness.reset(); }

    void buttonAndMenuDrawTheSamePicture()
    {
        const QImage frameOnly = chart->Picture();
        // The chart area's actions act on the chart the window shows.
        auto* copy = harness->Find<QAction>("mnuCopyChart");
        QVERIFY(copy && !copy->isEnabled());
        Fill(*harness, "Birth", { "Jul", "20", "1969" });
        Fill(*harness, "Report", { "Aug", "1", "2024" });
        QTest::mouseClick(button, Qt::LeftButton);
        const QImage fromButton = chart->Picture();
        QVERIFY(fromButton != frameOnly);
        QVERIFY(copy->isEnabled());
        menu->trigger();
        QCOMPARE(chart->Picture(), fromButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(chart->Picture(), fromButton); // a request never adds to the last one
        QCOMPARE(date->text(), app::ShortDateText(QDate(2024, 8, 1)));
        QVERIFY(harness->prompter.shown.isEmpty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void birthdayAfterTheReportDayStillDraws()
    {
        const QImage frameOnly = chart->Picture();
        Fill(*harness, "Birth", { "Jan", "4", "2020" });
        Fill(*harness, "Report", { "Jan", "4", "1990" });
        menu->trigger();
        QVERIFY(chart->Picture() != frameOnly);
        QVERIFY(harness->prompter.shown.isEmpty());
    }

    void invalidDateChangesNothing_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        const QString birthday = QStringLiteral("Please Enter A Valid Birthday");
        const QString reportDay = QStringLiteral("Please Enter A Valid Report Day");
        QTest::newRow("31 February birthday") << "Birth"
                                              << "Feb"
                                              << "31"
                                              << "1980" << birthday;
        QTest::newRow("30 February report") << "Report"
                                            << "Feb"
                                            << "30"
                                            << "2024" << reportDay;
        QTest::newRow("year 10000") << "Report"
                                    << "Jan"
                                    << "1"
                                    << "10000" << reportDay;
        QTest::newRow("year -123") << "Report"
                                   << "Jan"
                                   << "1"
                                   << "-123" << reportDay;
        QTest::newRow("31 April") << "Report"
                                  << "Apr"
                                  << "31"
                                  << "2024" << reportDay;
    }
    void invalidDateChangesNothing()
    {
        QFETCH(QString, boxes);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, year);
        QFETCH(QString, message);
        Fill(*harness, "Birth", { "Jul", "20", "1969" });
        Fill(*harness, "Report", { "Aug", "1", "2024" });
        menu->trigger();
        const QImage drawn = chart->Picture();
        const QString shownDate = date->text();

        Fill(*harness, boxes.toLatin1().constData(),
            { month.toLatin1().constData(), day.toLatin1().constData(), year.toLatin1().constData() });
        bool hourglassDuringMessage = true;
        harness->prompter.onShow = [&] { hourglassDuringMessage = QApplication::overrideCursor() != nullptr; };
        menu->trigger();

        QCOMPARE(harness->prompter.Texts(), QStringList { message });
        QCOMPARE(harness->prompter.shown.front().icon, app::MessageIcon::Critical);
        QCOMPARE(harness->prompter.shown.front().buttons, app::MessageButtons::Ok);
        QVERIFY(!hourglassDuringMessage);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(chart->Picture(), drawn);
        QCOMPARE(date->text(), shownDate);

        // The stored dates are untouched too: putting the valid texts back draws
        // the very same picture.
        Fill(*harness, "Birth", { "Jul", "20", "1969" });
        Fill(*harness, "Report", { "Aug", "1", "2024" });
        menu->trigger();
        QCOMPARE(chart->Picture(), drawn);
    }

    void bothInvalidNamesTheBirthday()
    {
        Fill(*harness, "Birth", { "Feb", "30", "1980" });
        Fill(*harness, "Report", { "Feb", "30", "2024" });
        menu->trigger();
        QCOMPARE(harness->prompter.Texts(), QStringList { QStringLiteral("Please Enter A Valid Birthday") });
    }

    void menuDrawsWithTheUncorrectedTextTheButtonCorrectsIt()
    {
        QComboBox* day = harness->Box("cboReportDay");
        day->setFocus(Qt::TabFocusReason);
        day->lineEdit()->selectAll();
        QTest::keyClicks(day, QStringLiteral("12abc"));
        menu->trigger();
        QCOMPARE(FocusedControl(), QStringLiteral("cboReportDay"));
        QCOMPARE(day->currentText(), QStringLiteral("12abc"));
        QCOMPARE(harness->prompter.Texts(), QStringList { QStringLiteral("Please Enter A Valid Report Day") });

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(day->currentText(), QStringLiteral("12"));
        QCOMPARE(harness->prompter.shown.size(), 1);
        QCOMPARE(date->text(), app::ShortDateText(QDate(2024, 3, 12)));
    }

private:
    std::unique_ptr<MainWindowHarness> harness;
    ui::ChartArea* chart = nullptr;
    QLabel* date = nullptr;
    QPushButton* button = nullptr;
    QAction* menu = nullptr;
};

QTEST_MAIN(TestMainWindowChartRequest)
#include "tst_MainWindowChartRequest.moc"
