// The People dialog in the main window, as a user meets it: Show Chart draws
// exactly the chart the button draws for the same boxes, names the person
// for the critical days and closes the dialog, which would hide the chart; a birthday the boxes cannot hold is kept
// but not shown, and the dialog says why. Its Compare window keeps its layout
// when another person is chosen.

#include "MainWindowHarness.h"
#include "people/PeopleFile.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/ChartPicture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

using testing_support::MainWindowHarness;

class TestPeopleDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showChartDrawsWhatTheButtonDraws()
    {
        using namespace std::chrono;
        const QString path = people::DefaultPeoplePath();
        QFile::remove(path);
        people::PeopleList list;
        list.Add({ QStringLiteral("Anna"), 1984y / March / 2d }, 2024y / March / 17d);
        list.Add({ QStringLiteral("Ben"), 2022y / July / 11d }, 2024y / March / 17d);
        QString error;
        QVERIFY(people::PeopleFile(path).Save(list, error));

        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        auto* chart = harness.Find<ui::ChartArea>("picBiorhythm");
        auto* open = harness.Find<QAction>("mnuPeople");
        QVERIFY(open != nullptr);
        // Offered before the first chart, through its shortcut on the chart.
        QVERIFY(open->isEnabled());
        chart->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chart, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        auto* dialog = harness.window->findChild<QDialog*>(QStringLiteral("frmPeople"));
        QVERIFY(dialog != nullptr && dialog->isVisible());
        auto* table = dialog->findChild<QTableView*>(QStringLiteral("tblPeople"));
        QCOMPARE(table->model()->rowCount(), 2);
        QCOMPARE(table->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
            QStringLiteral("Anna, born Friday, March 2, 1984, 40 years old."));

        // Return on Anna's row: her chart, and the dialog makes way for it.
        QTest::keyClick(table, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(harness.window->isActiveWindow());
        QCOMPARE(harness.Box("cboBirthMonth")->currentText(), QStringLiteral("Mar"));
        QCOMPARE(harness.Box("cboBirthDay")->currentText(), QStringLiteral("2"));
        QCOMPARE(harness.Box("cboBirthYear")->currentText(), QStringLiteral("1984"));
        QVERIFY(chart->Shown().has_value());
        QCOMPARE(chart->Shown()->person, QStringLiteral("Anna"));
        const QImage fromList = ui::ChartPicture(*chart);
        const QString description = chart->accessibleDescription();

        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        QCOMPARE(ui::ChartPicture(*chart), fromList);
        QCOMPARE(chart->accessibleDescription(), description);
        QCOMPARE(chart->Shown()->person, QString());
        QVERIFY(harness.prompter.shown.isEmpty());

        // Ben was born after the last year the birthday box lists: the
        // dialog stays, and says why. The button's click left the keyboard
        // on the button; the shortcut is the chart's.
        chart->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chart, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(dialog->isVisible());
        table->setCurrentIndex(table->model()->index(1, 0));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdShowChart")), Qt::LeftButton);
        auto* note = dialog->findChild<QLabel*>(QStringLiteral("lblNote"));
        QVERIFY(dialog->isVisible());
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().contains(QStringLiteral("2020")), qPrintable(note->text()));
        QCOMPARE(harness.Box("cboBirthYear")->currentText(), QStringLiteral("1984"));
        QCOMPARE(ui::ChartPicture(*chart), fromList);
        QFile::remove(path);
    }

    // Opened from the dialog and then given another second person: the
    // figures' header still spans the table, and no curve of either person
    // runs through a percent label's place.
    void compareWindowAfterAnotherSecondPerson()
    {
        const testing_support::KeptAnna anna;
        QVERIFY(anna.saved);
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        harness.Find<QAction>("mnuPeople")->trigger();
        auto* dialog = harness.window->findChild<QDialog*>(QStringLiteral("frmPeople"));
        QVERIFY(dialog != nullptr);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCompare")), Qt::LeftButton);
        auto* compare = harness.window->findChild<QDialog*>(QStringLiteral("frmCompare"));
        QVERIFY(compare != nullptr && QTest::qWaitForWindowExposed(compare));
        auto* second = compare->findChild<QComboBox*>(QStringLiteral("cboSecond"));
        QCOMPARE(second->currentIndex(), 1);
        second->setCurrentIndex(0);
        QApplication::processEvents();

        const QHeaderView* header
            = compare->findChild<QTableView*>(QStringLiteral("tblCompatibility"))->horizontalHeader();
        QCOMPARE(header->length(), header->viewport()->width());

        const QImage picture = compare->findChild<QLabel*>(QStringLiteral("picComparison"))
                                   ->pixmap()
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        const QList<QLabel*> labels = compare->findChildren<QLabel*>(QStringLiteral("lblPercent"));
        QCOMPARE(labels.size(), 3);
        for (const QLabel* label : labels) {
            const QRect place = label->geometry() & picture.rect();
            for (int y = place.top(); y <= place.bottom(); ++y)
                for (int x = place.left(); x <= place.right(); ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    QVERIFY2(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel),
                        qPrintable(QStringLiteral("%1 at %2, %3").arg(label->text()).arg(x).arg(y)));
                }
        }
    }
};

QTEST_MAIN(TestPeopleDialog)
#include "tst_PeopleDialog.moc"
