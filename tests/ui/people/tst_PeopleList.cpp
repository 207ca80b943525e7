// The People dialog on its own, over a file of the test's own that cannot be
// read at first: that file is kept aside; every change is in the file at
// once, in the order on screen; a refused name is said and changes nothing;
// Return presses the default button (Show Chart here, OK in the add dialog)
// whichever control has the focus.

#include "FixedClock.h"
#include "ScriptedPrompter.h"
#include "people/PeopleFile.h"
#include "ui/people/PeopleDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono;

class TestPeopleList : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("people.json"));

    QString NamesInFile() const
    {
        QStringList names;
        const people::PeopleFile::Loaded loaded = people::PeopleFile(path).Load();
        for (const people::Person& person : loaded.list.People())
            names << person.name;
        return names.join(QLatin1Char(','));
    }

    // Opens the add or edit dialog, types the name and presses Return on
    // `press` (the name field when none); then runs `then` on the dialog.
    static void Type(QPushButton* opener, const QString& name, QDialogButtonBox::StandardButton press = {},
        const std::function<void(QDialog&)>& then = {})
    {
        QTimer::singleShot(0, opener, [=] {
            auto* person = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(person != nullptr);
            auto* field = person->findChild<QLineEdit*>(QStringLiteral("txtName"));
            field->selectAll();
            QTest::keyClicks(field, name);
            QWidget* target = field;
            if (press)
                target = person->findChild<QDialogButtonBox*>()->button(press);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
            if (then)
                then(*person);
            if (person->isVisible())
                person->reject();
        });
        QTest::mouseClick(opener, Qt::LeftButton);
    }

private slots:
    void keepsEveryChange()
    {
        QFile unreadable(path);
        QVERIFY(unreadable.open(QIODevice::WriteOnly) && unreadable.write("not a list") > 0);
        unreadable.close();
        testing_support::ScriptedPrompter prompter;
        testing_support::FixedClock clock(2024y / March / 17d);
        ui::PeopleDialog dialog(prompter, clock, path, nullptr);
        dialog.SetBoxDates(1984y / March / 2d, 2024y / March / 17d);
        dialog.Open();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown.first().text.contains(QStringLiteral("people.json.unreadable")));
        const auto button = [&](const char* name) { return dialog.findChild<QPushButton*>(QLatin1String(name)); };
        auto* table = dialog.findChild<QTableView*>();

        Type(button("cmdAdd"), QStringLiteral("Anna"));
        QCOMPARE(NamesInFile(), QStringLiteral("Anna"));
        QFile aside(path + QStringLiteral(".unreadable"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), QByteArray("not a list"));
        // Started from the birthday in the boxes; Return with Cancel focused is OK's.
        Type(button("cmdAdd"), QStringLiteral("Ben"), QDialogButtonBox::Cancel);
        QCOMPARE(people::PeopleFile(path).Load().list.People().back().birthday, 1984y / March / 2d);
        Type(button("cmdAdd"), QStringLiteral("Anna"), {}, [&](QDialog& person) {
            QVERIFY(person.isVisible());
            QCOMPARE(prompter.Texts().last(),
                QStringLiteral("\"Anna\" is already in the list. Please choose another name."));
        });
        QCOMPARE(NamesInFile(), QStringLiteral("Anna,Ben"));

        table->setCurrentIndex(table->model()->index(1, 0));
        QTest::mouseClick(button("cmdMoveUp"), Qt::LeftButton);
        Type(button("cmdEdit"), QStringLiteral("Bea"));
        QCOMPARE(NamesInFile(), QStringLiteral("Bea,Anna"));

        // Return shows the current row's chart once, from the row or from
        // a focused side button, which it leaves unpressed.
        QStringList charts;
        connect(&dialog, &ui::PeopleDialog::chartRequested, this,
            [&](const people::Person& person) { charts << person.name; });
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        button("cmdMoveDown")->setFocus();
        QTest::keyClick(button("cmdMoveDown"), Qt::Key_Return);
        QCOMPARE(charts.join(QLatin1Char(',')), QStringLiteral("Bea,Bea"));
        QCOMPARE(NamesInFile(), QStringLiteral("Bea,Anna"));

        prompter.answers = { app::MessageAnswer::No };
        QTest::mouseClick(button("cmdRemove"), Qt::LeftButton);
        QCOMPARE(NamesInFile(), QStringLiteral("Bea,Anna"));
        prompter.answers = { app::MessageAnswer::Yes };
        QTest::mouseClick(button("cmdRemove"), Qt::LeftButton);
        QCOMPARE(NamesInFile(), QStringLiteral("Anna"));
    }
};

QTEST_MAIN(TestPeopleList)
#include "tst_PeopleList.moc"
