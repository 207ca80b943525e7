// The People dialog in the main window, as a user meets it: Show Chart draws
// exactly the chart the button draws for the same boxes, names the person
// for the critical days and closes the dialog, which would hide the chart; a
// birthday the boxes cannot hold is kept but not shown, and the dialog says
// why. A birthday typed into the Add dialog is kept as typed or refused aloud.
// The Compare window keeps its layout when another person is chosen, and
// Return presses none of its buttons; a chosen secondary cycle adds its row
// of figures, in view, and a combined one none.

#include "MainWindowHarness.h"
#include "people/PeopleFile.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/ChartPicture.h"
#include "ui/drawing/ChartDrawing.h"
#include "ui/people/CompareWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using testing_support::FocusedControl;
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
        QCOMPARE(chart->Shown()->person.name, QStringLiteral("Anna"));
        const QImage fromList = ui::ChartPicture(*chart);
        const QString description = chart->accessibleDescription();

        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        QCOMPARE(ui::ChartPicture(*chart), fromList);
        QCOMPARE(chart->accessibleDescription(), description);
        QCOMPARE(chart->Shown()->person.name, QString());
        QVERIFY(harness.prompter.shown.isEmpty());

        // Ben was born after the last year the birthday box lists: the
        // dialog stays, and says why.
        // The chart's shortcut is the chart's own: the click on the button
        // took the focus, so the user comes back to the chart first.
        chart->setFocus(Qt::MouseFocusReason);
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

        // The open dialog acts on the boxes as they are now.
        harness.Box("cboReportDay")->setEditText(QStringLiteral("x"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCompare")), Qt::LeftButton);
        QCOMPARE(harness.prompter.Texts(), QStringList { QStringLiteral("Please Enter A Valid Report Day") });
        QFile::remove(path);
    }

    // A birthday typed into the Add dialog is taken exactly or refused with
    // a word, the focus back on what was refused; a list that cannot be
    // saved keeps the dialog and what was typed; the new row is in sight.
    void typedBirthdayIsTakenOrRefusedAloud()
    {
        using namespace std::chrono;
        const QString path = people::DefaultPeoplePath();
        const QString folder = QFileInfo(path).absolutePath();
        people::PeopleList list;
        for (int i = 0; i < 12; ++i)
            list.Add({ QStringLiteral("Person %1").arg(i), 1980y / January / 1d }, 2024y / March / 17d);
        QString error;
        QVERIFY(people::PeopleFile(path).Save(list, error));
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        harness.Find<QAction>("mnuPeople")->trigger();
        auto* dialog = harness.window->findChild<QDialog*>(QStringLiteral("frmPeople"));
        auto* table = dialog->findChild<QTableView*>(QStringLiteral("tblPeople"));
        // Read; now a file stands where the list's folder was, so saving fails.
        QVERIFY(QFile::remove(path) && QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto cleanUp = qScopeGuard([&] { QFile::remove(folder); });

        bool driven = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* add = QApplication::activeModalWidget();
            QVERIFY(add != nullptr);
            auto closeAdd = qScopeGuard([add] { add->close(); });
            QApplication::setActiveWindow(add); // as a window manager would
            QVERIFY(QTest::qWaitForWindowActive(add));
            auto type = [&](const char* box, const char* digits) {
                auto* spin = add->findChild<QSpinBox*>(QString::fromLatin1(box));
                spin->setFocus(Qt::TabFocusReason);
                QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(spin, QString::fromLatin1(digits));
                return spin;
            };
            QTest::keyClicks(add->findChild<QLineEdit*>(QStringLiteral("txtName")), QStringLiteral("Zoe"));
            QTest::keyClick(type("spnBirthYear", "2030"), Qt::Key_Return);
            QVERIFY(add->isVisible());
            QVERIFY(harness.prompter.shown.last().text.contains(QStringLiteral("after today")));
            QCOMPARE(FocusedControl(), QStringLiteral("spnBirthYear"));
            QCOMPARE(table->model()->rowCount(), 12);

            QTest::keyClicks(add->findChild<QComboBox*>(QStringLiteral("cboBirthMonth")), QStringLiteral("Feb"));
            type("spnBirthYear", "1984");
            QTest::keyClick(type("spnBirthDay", "31"), Qt::Key_Return);
            QVERIFY(add->isVisible());
            QCOMPARE(harness.prompter.shown.last().text, QStringLiteral("February 1984 has no day 31."));
            QCOMPARE(FocusedControl(), QStringLiteral("spnBirthDay"));

            QTest::keyClick(type("spnBirthDay", "29"), Qt::Key_Return);
            QVERIFY(add->isVisible());
            QVERIFY(harness.prompter.shown.last().text.contains(QStringLiteral("could not be saved")));
            QCOMPARE(add->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QStringLiteral("Zoe"));

            QVERIFY(QFile::remove(folder));
            QTest::mouseClick(add->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            QVERIFY(!add->isVisible());
            closeAdd.dismiss();
            driven = true;
        });
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdAdd")), Qt::LeftButton);
        QVERIFY(driven);
        QCOMPARE(harness.prompter.shown.size(), 3);
        QCOMPARE(people::PeopleFile(path).Load().list.People().back(),
            (people::Person { QStringLiteral("Zoe"), 1984y / February / 29d }));
        QCOMPARE(table->currentIndex().row(), 12);
        QTRY_VERIFY(table->viewport()->rect().contains(table->visualRect(table->currentIndex())));
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
        // No default button here: Return leaves a focused Copy unpressed.
        QGuiApplication::clipboard()->clear();
        auto* copy = compare->findChild<QPushButton*>(QStringLiteral("cmdCopy"));
        copy->setFocus();
        QTest::keyClick(copy, Qt::Key_Return);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QVERIFY(compare->isVisible());
        second->setCurrentIndex(0);
        QApplication::processEvents();

        const QHeaderView* header
            = compare->findChild<QTableView*>(QStringLiteral("tblCompatibility"))->horizontalHeader();
        QCOMPARE(header->length(), header->viewport()->width());

        const QImage picture = compare->findChild<QLabel*>(QStringLiteral("picComparison"))
                                   ->pixmap()
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        const ui::ChartFrame frame = ui::ChartFrameLayout(chart::kChartDays);
        for (std::size_t i = 0; i < frame.labels.size(); ++i) {
            const QRect place = frame.labels[i] & picture.rect();
            QVERIFY(!place.isEmpty());
            for (int y = place.top(); y <= place.bottom(); ++y)
                for (int x = place.left(); x <= place.right(); ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    QVERIFY2(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel),
                        qPrintable(QStringLiteral("%1 at %2, %3").arg(ui::PercentLabelTexts()[i]).arg(x).arg(y)));
                }
        }

        auto* table = compare->findChild<QTableWidget*>(QStringLiteral("tblCompatibility"));
        QCOMPARE(table->rowCount(), 4);
        qobject_cast<ui::CompareWindow*>(compare)->SetCycles(
            chart::CycleChoice::FromNames("intuitive,average").value());
        QApplication::processEvents();
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->item(3, 0)->text(), QStringLiteral("Intuitive"));
        QVERIFY(table->item(3, 0)->data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("Intuitive: ")));
        QCOMPARE(table->item(4, 0)->text(), QStringLiteral("Overall"));
        QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->item(4, 2))));
    }
};

QTEST_MAIN(TestPeopleDialog)
#include "tst_PeopleDialog.moc"
