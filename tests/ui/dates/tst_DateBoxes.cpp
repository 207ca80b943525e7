#include "ui/dates/DateBoxes.h"
#include "ui/dates/DateEntry.h"

#include <QComboBox>
#include <QTest>

#include <utility>

using namespace std::chrono;

namespace {

// One bare row of boxes made as the window makes them: the month and, unless
// it is typed, the year are pick-only lists.
struct Row {
    Row(bool typedYear, int lastYear, std::function<int()> fallbackDay)
        : year(typedYear ? ui::EditableBox(&parent) : new QComboBox(&parent))
        , boxes(month, day, year, lastYear, std::move(fallbackDay))
    {
        boxes.Fill();
    }
    QWidget parent;
    QComboBox* month = new QComboBox(&parent);
    QComboBox* day = ui::EditableBox(&parent);
    QComboBox* year;
    ui::DateBoxes boxes;
};

} // namespace

class TestDateBoxes : public QObject {
    Q_OBJECT
private slots:
    void aTypedYearShowsBeyondItsListAPickedOneDoesNot()
    {
        Row report(true, ui::kLastReportYear, [] { return 1; });
        report.boxes.Show(2150y / February / 28d);
        QVERIFY(report.boxes.Date() == 2150y / February / 28d);

        Row birth(false, ui::kLastBirthYear, [] { return ui::kDefaultBirthDay; });
        birth.boxes.Show(1984y / March / 2d);
        birth.boxes.Show(2150y / July / 9d);
        QVERIFY(birth.boxes.Date() == 1984y / July / 9d);
    }

    void correctsOnlyItsOwnBoxesWithTheFallbackOfTheMoment()
    {
        int today = 17;
        Row report(true, ui::kLastReportYear, [&today] { return today; });
        Row birth(false, ui::kLastBirthYear, [] { return ui::kDefaultBirthDay; });
        report.day->setEditText(QStringLiteral("40"));
        birth.day->setEditText(QStringLiteral("40"));
        birth.boxes.CorrectLeftBox(report.day);
        QCOMPARE(report.day->currentText() + birth.day->currentText(), QStringLiteral("4040"));
        report.boxes.CorrectLeftBox(report.day);
        QCOMPARE(report.day->currentText(), QStringLiteral("17"));

        today = 18;
        report.day->setEditText(QStringLiteral("0"));
        report.year->setEditText(QStringLiteral("84"));
        report.boxes.CorrectLeftBox(report.day);
        report.boxes.CorrectLeftBox(report.year);
        QVERIFY(report.boxes.Date() == 1984y / January / 18d);
    }
};

QTEST_MAIN(TestDateBoxes)
#include "tst_DateBoxes.moc"
