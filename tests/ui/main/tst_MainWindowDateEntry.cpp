#include "MainWindowHarness.h"

#include <QLineEdit>
#include <QPushButton>

using testing_support::FocusedControl;
using testing_support::MainWindowHarness;

namespace {

// Replaces the box's text by typing, as a user would.
void TypeInto(QComboBox* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    box->lineEdit()->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace

// Today is pinned to 17 March 2024, so a wrong report day falls back to "17".
class TestMainWindowDateEntry : public QObject {
    Q_OBJECT
private slots:
    void editedBoxIsCorrectedWhenTheFocusMovesOn_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const struct {
            const char* box;
            const char* typed;
            const char* expected;
        } rows[] = {
            { "cboBirthDay", "0", "4" },
            { "cboBirthDay", "32", "4" },
            { "cboBirthDay", "-3", "4" },
            { "cboBirthDay", "abc", "4" },
            { "cboBirthDay", "", "4" },
            { "cboBirthDay", "12abc", "12" },
            { "cboBirthDay", "3.9", "3" },
            { "cboBirthDay", " 9", "9" },
            { "cboBirthDay", "1 2", "12" },
            { "cboBirthDay", "&H1F", "31" },
            { "cboReportDay", "0", "17" },
            { "cboReportDay", "32", "17" },
            { "cboReportDay", "abc", "17" },
            { "cboReportDay", "", "17" },
            { "cboReportDay", "31", "31" },
            { "cboReportDay", "12abc", "12" },
            { "cboReportYear", "84", "1984" },
            { "cboReportYear", "abc", "1984" },
            { "cboReportYear", "", "1984" },
            { "cboReportYear", "2150", "2150" },
            { "cboReportYear", "10000", "10000" },
            { "cboReportYear", "-123", "-123" },
            { "cboReportYear", "1999.5", "1999" },
        };
        for (const auto& row : rows)
            QTest::addRow("%s '%s'", row.box, row.typed)
                << QString::fromLatin1(row.box) << QString::fromLatin1(row.typed) << QString::fromLatin1(row.expected);
    }
    void editedBoxIsCorrectedWhenTheFocusMovesOn()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QComboBox* edited = harness.Box(box.toLatin1().constData());
        TypeInto(edited, typed);
        QCOMPARE(edited->currentText(), typed); // nothing happens while typing
        QTest::keyClick(edited, Qt::Key_Tab);
        QVERIFY(FocusedControl() != box);
        QCOMPARE(edited->currentText(), expected);
    }

    void thirtyFirstStaysInFebruary()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        harness.Box("cboBirthMonth")->setCurrentIndex(1);
        TypeInto(harness.Box("cboBirthDay"), QStringLiteral("31"));
        QTest::keyClick(harness.Box("cboBirthDay"), Qt::Key_Tab);
        QCOMPARE(harness.Box("cboBirthDay")->currentText(), QStringLiteral("31"));
    }

    void clickingTheChartButtonCorrectsTheBoxBeingEdited()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        TypeInto(harness.Box("cboReportDay"), QStringLiteral("3.9"));
        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        QCOMPARE(FocusedControl(), QStringLiteral("cmdBiorythm"));
        QCOMPARE(harness.Box("cboReportDay")->currentText(), QStringLiteral("3"));
    }

    void pickOnlyBirthYearKeepsAListedYear()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QComboBox* year = harness.Box("cboBirthYear");
        year->setFocus(Qt::TabFocusReason);
        year->setCurrentIndex(year->findText(QStringLiteral("2003")));
        QTest::keyClick(year, Qt::Key_Tab);
        QCOMPARE(year->currentText(), QStringLiteral("2003"));
        QCOMPARE(year->count(), 121);
    }

    void leavingTheWindowDoesNotCorrect()
    {
        // Switching to another window is no move of the focus inside this one.
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QComboBox* day = harness.Box("cboReportDay");
        TypeInto(day, QStringLiteral("40"));
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(day->currentText(), QStringLiteral("40"));
    }
};

QTEST_MAIN(TestMainWindowDateEntry)
#include "tst_MainWindowDateEntry.moc"
