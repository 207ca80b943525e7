// The critical days dialog as a user meets it, for the chart of 4 January
// 1980 on 17 March 2024 (day 16,144). The expected days follow from the
// critical rule by hand: physical on day numbers n with n mod 23 of 0 or 11,
// emotional with n mod 14 of 0, intellectual with n mod 33 of 0 or 16.

#include "MainWindowHarness.h"
#include "ui/Look.h"
#include "ui/actions/ChartActions.h"
#include "ui/actions/CriticalDaysDialog.h"
#include "ui/chart/ChartArea.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

using testing_support::MainWindowHarness;

class CriticalDaysDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InstallFontSubstitutes(); }

    void init()
    {
        harness = std::make_unique<MainWindowHarness>();
        QVERIFY(harness->ShowActive());
        harness->window->findChild<ui::ChartActions*>()->SetSavePathAsker(
            [this](QWidget*, const QString&, const QString& suggested, const QString&) {
                suggestions << suggested;
                return answer;
            });
        QTest::mouseClick(harness->Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        auto* area = harness->Find<ui::ChartArea>("picBiorhythm");
        area->setFocus();
        QTest::keyClick(area, Qt::Key_D, Qt::ControlModifier);
        dialog = harness->window->findChild<ui::CriticalDaysDialog*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        table = dialog->findChild<QTableView*>(QStringLiteral("tblCriticalDays"));
    }

    void cleanup() { harness.reset(); }

    void tableListsTheDaysOfThePeriodPicked()
    {
        auto* period = dialog->findChild<QComboBox*>(QStringLiteral("cboPeriod"));
        QCOMPARE(period->currentText(), QStringLiteral("3 months"));
        QCOMPARE(table->model()->rowCount(), 16);

        period->setFocus();
        QTest::keyClick(period, Qt::Key_Up);
        QCOMPARE(Rows(),
            testing_support::Texts({
                "Tuesday, March 19, 2024|2|Physical|Single",
                "Tuesday, March 26, 2024|9|Intellectual|Single",
                "Friday, March 29, 2024|12|Emotional|Single",
                "Saturday, March 30, 2024|13|Physical|Single",
                "Thursday, April 11, 2024|25|Physical|Single",
                "Friday, April 12, 2024|26|Emotional, Intellectual|Double",
            }));
        QVERIFY(table->model()->index(5, 0).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblNextTreble"))->text(),
            QStringLiteral("Next treble critical day: Friday, November 3, 2028, in 1,692 days"));

        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCopy")), Qt::LeftButton);
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            QStringLiteral("\nFriday, April 12, 2024\t26\tEmotional, Intellectual\tDouble\n")));

        QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(5, 0);
        QCOMPARE(cell->text(QAccessible::Name),
            QStringLiteral("Friday 12 April 2024, in 26 days: double critical day, emotional and intellectual."));

        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    // Return is Close's, the default, even with another button focused.
    void returnClosesFromAFocusedButton()
    {
        auto* add = dialog->findChild<QPushButton*>(QStringLiteral("cmdAddToCalendar"));
        add->setFocus();
        QTest::keyClick(add, Qt::Key_Return);
        QVERIFY(suggestions.isEmpty());
        QVERIFY(!dialog->isVisible());
    }

    void addToCalendarSavesThePeriodOrSaysWhyNot()
    {
        QTemporaryDir folder;
        auto* add = dialog->findChild<QPushButton*>(QStringLiteral("cmdAddToCalendar"));
        answer = folder.filePath(QStringLiteral("no/such/folder/days.ics"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(harness->prompter.shown.size(), 1);
        QCOMPARE(harness->prompter.shown.first().icon, app::MessageIcon::Critical);
        QVERIFY(harness->prompter.shown.first().text.contains(QDir::toNativeSeparators(answer)));
        QVERIFY(QDir(folder.path()).isEmpty());

        answer = folder.filePath(QStringLiteral("days"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(QFileInfo(suggestions.last()).fileName(), QStringLiteral("biorhythm-2024-03-17.ics"));
        QFile saved(answer + QStringLiteral(".ics"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().count("BEGIN:VEVENT"), table->model()->rowCount());
        QCOMPARE(harness->prompter.shown.size(), 1);
    }

private:
    // Each row as its cells' texts joined by "|".
    QStringList Rows() const
    {
        QStringList rows;
        const QAbstractItemModel* model = table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    std::unique_ptr<MainWindowHarness> harness;
    ui::CriticalDaysDialog* dialog = nullptr;
    QTableView* table = nullptr;
    QString answer;
    QStringList suggestions;
};

QTEST_MAIN(CriticalDaysDialogTest)
#include "tst_CriticalDaysDialog.moc"
