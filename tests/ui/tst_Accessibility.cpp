// Every window as a screen reader and a keyboard user meet it: names of the
// controls that take the focus, links that say they are links and open their
// page when pressed, the chart's spoken summary and the access keys.

#include "MainWindowHarness.h"
#include "ui/about/AboutBox.h"
#include "ui/exit/ExitScreen.h"
#include "ui/people/PersonDialog.h"
#include "web/PageAddress.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using testing_support::MainWindowHarness;

namespace {

enum Window { Main, About, Exit };

const QString kReportDay2024 = QStringLiteral("Sunday 17 March 2024, report day: physical -57% rising, emotional "
                                              "-49% falling, intellectual 98% rising");

// One of the three windows, shown and active, wired to the harness' doubles.
struct OpenWindow {
    explicit OpenWindow(Window which)
    {
        if (which == Main) {
            window = harness.window.get();
        } else if (which == About) {
            about = std::make_unique<ui::AboutBox>(harness.launcher, nullptr);
            window = about.get();
        } else {
            exit = std::make_unique<ui::ExitScreen>(
                harness.launcher, harness.prompter, [this] { ++quits; }, [] { return 0.0F; });
            window = exit.get();
        }
        window->show();
        QApplication::setActiveWindow(window);
    }

    QAccessibleInterface* Control(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(QString::fromLatin1(name)));
    }

    MainWindowHarness harness;
    std::unique_ptr<ui::AboutBox> about;
    std::unique_ptr<ui::ExitScreen> exit;
    QWidget* window = nullptr;
    int quits = 0;
};

// Every shown control in the tree below node that takes the focus and has no
// name, by object name (or class) and role.
void CollectNameless(QAccessibleInterface* node, QStringList& nameless)
{
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    if (state.focusable && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = node->object();
        const QString what = object == nullptr ? QStringLiteral("?")
            : object->objectName().isEmpty()   ? QString::fromLatin1(object->metaObject()->className())
                                               : object->objectName();
        nameless << QStringLiteral("%1 (role %2)").arg(what).arg(int(node->role()));
    }
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            CollectNameless(child, nameless);
}

QString Address(web::PageKey key)
{
    return QString::fromStdString(web::PageAddress(key));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyFocusableControlHasAName_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("frmBio") << int(Main);
        QTest::newRow("frmAbout") << int(About);
        QTest::newRow("frmNagScreen2") << int(Exit);
    }
    // Qt lends an unnamed control the title of the group box around it, so
    // this walk only catches controls outside one; the exact names follow.
    void everyFocusableControlHasAName()
    {
        QFETCH(int, window);
        const OpenWindow open(static_cast<Window>(window));
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(open.window);
        QVERIFY(root != nullptr && root->childCount() > 0);
        QStringList nameless;
        CollectNameless(root, nameless);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    }

    // Qt names a drop-down box by its text on Linux; these must say what
    // they hold wherever the program runs, and still report their value.
    void controlsAreNamedByWhatTheyHold_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* tag, Window window, const char* control, const char* name, const char* value) {
            QTest::newRow(tag) << int(window) << QString::fromLatin1(control) << QString::fromLatin1(name)
                               << QString::fromLatin1(value);
        };
        row("birth month", Main, "cboBirthMonth", "Birth month", "Jan");
        row("birth day", Main, "cboBirthDay", "Birth day", "4");
        row("birth year", Main, "cboBirthYear", "Birth year", "1980");
        row("report month", Main, "cboReportMonth", "Report month", "Mar");
        row("report day", Main, "cboReportDay", "Report day", "17");
        row("report year", Main, "cboReportYear", "Report year", "2024");
        row("chart", Main, "picBiorhythm", "Biorhythm chart", "");
        row("legend", Main, "picExplain", "Cycle legend: Physical, Emotional, Intellectual", "");
        row("your name", Exit, "txtName", "Your name", "Your Name");
        row("your email", Exit, "txtEmail", "Your email address", "Your Email Address");
        row("friend's email", Exit, "txtFriendEmail", "Friend's email address", "Friend's Email Address");
        row("friend's name", Exit, "txtFriendName", "Friend's name", "Friend's Name");
        row("hidden message", Exit, "txtMessage", "Your message", "Your Message\r\n");
    }
    void controlsAreNamedByWhatTheyHold()
    {
        QFETCH(int, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const OpenWindow open(static_cast<Window>(window));
        QAccessibleInterface* node = open.Control(control.toLatin1().constData());
        QVERIFY(node != nullptr);
        QCOMPARE(node->text(QAccessible::Name), name);
        QCOMPARE(node->text(QAccessible::Value), value);
        // The text field inside an editable box is what has the focus while
        // the user types; it carries the box's name.
        if (node->role() == QAccessible::ComboBox && node->state().editable) {
            QAccessibleInterface* field = node->focusChild();
            QVERIFY(field != nullptr);
            QCOMPARE(field->role(), QAccessible::EditableText);
            QCOMPARE(field->text(QAccessible::Name), name);
        }
    }

    void linksPressToOpenTheirPage_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        const QString root = QString::fromStdString(web::SiteRoot());
        QTest::newRow("forum") << int(Main) << QStringLiteral("Label1") << root;
        QTest::newRow("full brand") << int(Main) << QStringLiteral("lblFullBrand")
                                    << Address(web::PageKey::FullyBranded);
        QTest::newRow("co-brand") << int(Main) << QStringLiteral("lblCobrand") << Address(web::PageKey::CoBrand);
        QTest::newRow("about home") << int(About) << QStringLiteral("lblHomePage") << Address(web::PageKey::HomePage);
        QTest::newRow("about details") << int(About) << QStringLiteral("lblCoBrand")
                                       << Address(web::PageKey::FullyBranded);
        QTest::newRow("exit tick box") << int(Exit) << QStringLiteral("Check1") << Address(web::PageKey::HomePage);
        QTest::newRow("exit softwares") << int(Exit) << QStringLiteral("lblGoToHome")
                                        << Address(web::PageKey::PellarySoftwares);
    }
    void linksPressToOpenTheirPage()
    {
        QFETCH(int, window);
        QFETCH(QString, control);
        QFETCH(QString, address);
        OpenWindow open(static_cast<Window>(window));
        QAccessibleInterface* link = open.Control(control.toLatin1().constData());
        QVERIFY(link != nullptr);
        QCOMPARE(link->role(), QAccessible::Link);
        QVERIFY(!link->text(QAccessible::Name).isEmpty());
        QVERIFY(link->state().linked);
        QAccessibleActionInterface* actions = link->actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

        actions->doAction(QAccessibleActionInterface::pressAction());
        const std::vector<std::string> opened = open.harness.launcher.Addresses();
        QCOMPARE(opened.size(), std::size_t { 1 });
        QCOMPARE(QString::fromStdString(opened.front()), address);
        if (auto* box = qobject_cast<QCheckBox*>(link->object()))
            QVERIFY(!box->isChecked());
    }

    void linkTickBoxOpensOnceOnItsKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void linkTickBoxOpensOnceOnItsKeys()
    {
        QFETCH(int, key);
        OpenWindow open(Exit);
        QVERIFY(QTest::qWaitForWindowActive(open.window));
        auto* box = open.window->findChild<QCheckBox*>(QStringLiteral("Check1"));
        QVERIFY(box != nullptr);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, static_cast<Qt::Key>(key));
        QCOMPARE(open.harness.launcher.Addresses(), std::vector { web::PageAddress(web::PageKey::HomePage) });
        QVERIFY(!box->isChecked());
        QCOMPARE(open.quits, 0);
    }

    // Outside a dialog Qt's buttons ignore both keys unless told otherwise.
    void enterClicksTheFocusedCommandButton_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("Create Biorhythm Chart") << int(Main) << QStringLiteral("cmdBiorythm") << int(Qt::Key_Return);
        QTest::newRow("Donate") << int(Main) << QStringLiteral("Command1") << int(Qt::Key_Enter);
        QTest::newRow("Refer A Friend Now") << int(Exit) << QStringLiteral("cmdSubmit") << int(Qt::Key_Return);
        QTest::newRow("Exit") << int(Exit) << QStringLiteral("cmdClose") << int(Qt::Key_Enter);
    }
    void enterClicksTheFocusedCommandButton()
    {
        QFETCH(int, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        OpenWindow open(static_cast<Window>(window));
        QVERIFY(QTest::qWaitForWindowActive(open.window));
        auto* target = open.window->findChild<QPushButton*>(button);
        QVERIFY(target != nullptr);
        target->setFocus(Qt::TabFocusReason);
        QSignalSpy clicks(target, &QPushButton::clicked);
        QTest::keyClick(target, static_cast<Qt::Key>(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicks.count(), 1);
    }

    // Worked by hand: 4 January 1980 to 17 March 2024 is 16144 days, which
    // leaves 21 of 23, 16 of 28 and 7 of 33 days: (15/23)^2 - 1, (5/7)^2 - 1
    // and 1 - (5/33)^2, that is -57%, -49% and 98%; rising from the low at
    // 17.25, falling from the high at 7, rising to the high at 8.25.
    void chartIsDescribedByItsReportDay()
    {
        MainWindowHarness harness;
        auto* chart = harness.Find<QWidget>("picBiorhythm");
        QVERIFY(chart != nullptr);
        QCOMPARE(chart->accessibleDescription(), QStringLiteral("No chart drawn yet"));
        QVERIFY(harness.ShowActive());

        // The words stay English whatever the user's language.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        QCOMPARE(QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description), kReportDay2024);

        // A birthday that is no date draws nothing, and the words stay.
        harness.Box("cboBirthMonth")->setCurrentIndex(1);
        harness.Box("cboBirthDay")->setEditText(QStringLiteral("31"));
        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        QCOMPARE(chart->accessibleDescription(), kReportDay2024);

        // On the birthday itself every cycle starts at 0%, rising through it.
        harness.Box("cboBirthMonth")->setCurrentIndex(2);
        harness.Box("cboBirthDay")->setEditText(QStringLiteral("17"));
        harness.Box("cboBirthYear")->setCurrentIndex(harness.Box("cboBirthYear")->findText(QStringLiteral("2020")));
        harness.Box("cboReportYear")->setEditText(QStringLiteral("2020"));
        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        QCOMPARE(chart->accessibleDescription(),
            QStringLiteral("Tuesday 17 March 2020, report day: physical 0% rising, critical, emotional 0% rising, "
                           "critical, intellectual 0% rising, critical"));
    }

    // The months ahead: every control named, and the day cursor, which
    // starts on the report day, heard in the chart's own words.
    void monthsAheadNamesEveryControlAndSaysItsDay()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QTest::mouseClick(harness.Find<QPushButton>("cmdBiorythm"), Qt::LeftButton);
        harness.Find<QAction>("mnuMonthsAhead")->trigger();
        auto* planner = harness.window->findChild<QWidget*>(QStringLiteral("frmMonthsAhead"));
        QVERIFY(planner != nullptr && planner->isVisible());
        QStringList nameless;
        CollectNameless(QAccessible::queryAccessibleInterface(planner), nameless);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u',')));
        auto* calendar = planner->findChild<QWidget*>(QStringLiteral("calendarView"));
        QVERIFY(calendar != nullptr);
        QTRY_VERIFY(calendar->hasFocus());
        QCOMPARE(QAccessible::queryAccessibleInterface(calendar)->text(QAccessible::Description), kReportDay2024);
    }

    // The People dialog, its add dialog and the Compare window, each row of
    // their tables one sentence.
    void peopleWindowsNameEveryControl()
    {
        using namespace std::chrono;
        const testing_support::KeptAnna anna;
        QVERIFY(anna.saved);
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        harness.Find<QAction>("mnuPeople")->trigger();
        auto* peopleDialog = harness.window->findChild<QWidget*>(QStringLiteral("frmPeople"));
        QVERIFY(peopleDialog != nullptr);
        QTest::mouseClick(peopleDialog->findChild<QPushButton*>(QStringLiteral("cmdCompare")), Qt::LeftButton);
        auto* compare = harness.window->findChild<QWidget*>(QStringLiteral("frmCompare"));
        QVERIFY(compare != nullptr && compare->isVisible());
        ui::PersonDialog add(
            QStringLiteral("Add Person"), { QString(), 1980y / January / 4d }, {}, harness.prompter, nullptr);
        add.show();
        for (QWidget* window : { peopleDialog, compare, static_cast<QWidget*>(&add) }) {
            QStringList nameless;
            CollectNameless(QAccessible::queryAccessibleInterface(window), nameless);
            QVERIFY2(nameless.isEmpty(), qPrintable(window->objectName() + QLatin1Char(' ') + nameless.join(u',')));
        }
        // Anna against the boxes' 4 January 1980: 1519 days, one more than 66
        // physical cycles.
        auto* figures = compare->findChild<QAbstractItemView*>(QStringLiteral("tblCompatibility"));
        QCOMPARE(figures->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
            QStringLiteral("Physical: 98.1%, the cycles are 1 day apart, nearly in step"));
    }

    void accessKeysOfTheMainWindow()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        auto* chart = harness.Find<QWidget>("picBiorhythm");

        // The hidden "Make Money &Online" keeps its key to itself.
        QTest::keyClick(harness.window.get(), Qt::Key_O, Qt::AltModifier);
        QVERIFY(harness.launcher.opened.empty());

        // Alt+F opens "&File"; C in it is "&Create Biorythm Chart".
        auto* file = harness.Find<QMenu>("mnuFile");
        QTest::keyClick(harness.window.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_C);
        QTRY_VERIFY(!file->isVisible());
        QCOMPARE(chart->accessibleDescription(), kReportDay2024);

        // "Online &Help" inside the Help menu.
        auto* help = harness.Find<QMenu>("mnuHelp");
        help->popup(harness.window->mapToGlobal(QPoint(40, 0)));
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_H);
        QCOMPARE(harness.launcher.Addresses(), std::vector { web::PageAddress(web::PageKey::HelpWebPage) });
    }

    void accessKeysOfTheExitScreen()
    {
        OpenWindow open(Exit);
        QVERIFY(QTest::qWaitForWindowActive(open.window));

        // Alt+N presses "Refer A Friend &Now" (a button's access key clicks it
        // a moment later, as a visible press): the untouched form fails its
        // first address check.
        QTest::keyClick(open.window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(
            open.harness.prompter.Texts(), QStringList { QStringLiteral("Please Enter Proper Email Address") });
        QCOMPARE(open.quits, 0);

        // Alt+X presses "E&xit".
        QTest::keyClick(open.window, Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(open.quits, 1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
