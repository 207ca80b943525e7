#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "ui/exit/ExitScreen.h"
#include "web/PageAddress.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using testing_support::RecordingLauncher;
using testing_support::ScriptedPrompter;

// The refer-a-friend panel as the user meets it on the exit screen.
class TestReferAFriendForm : public QObject {
    Q_OBJECT
private:
    RecordingLauncher launcher;
    ScriptedPrompter prompter;
    std::unique_ptr<ui::ExitScreen> screen;

    QLineEdit* Box(const char* name) const { return screen->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* Button(const char* name) const { return screen->findChild<QPushButton*>(QString::fromLatin1(name)); }

    // Moves the focus by Tab from wherever it is, as the user would.
    void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

    void TypeInto(const char* name, const QString& text)
    {
        QLineEdit* box = Box(name);
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

private slots:
    void init()
    {
        launcher.opened.clear();
        prompter.shown.clear();
        prompter.onShow = nullptr;
        screen = std::make_unique<ui::ExitScreen>(
            launcher, prompter, [] {}, [] { return 0.0F; });
        screen->show();
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
    }
    void cleanup() { screen.reset(); }

    void opensWithPlaceholdersAndTheHiddenMessage()
    {
        QCOMPARE(Box("txtName")->text(), QStringLiteral("Your Name"));
        QCOMPARE(Box("txtEmail")->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(Box("txtFriendName")->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(Box("txtFriendEmail")->text(), QStringLiteral("Friend's Email Address"));
        QCOMPARE(Box("txtMessage")->text(), QStringLiteral("Your Message\r\n"));
        // Below the panel's lower edge: enabled, but nothing of it shows.
        QLineEdit* message = Box("txtMessage");
        QVERIFY(message->isEnabled());
        QVERIFY(message->visibleRegion().isEmpty());
        QVERIFY(message->y() >= message->parentWidget()->height());
    }

    void tabVisitsTheControlsInTheFormsOrderAndWraps()
    {
        QWidget* check = screen->findChild<QWidget*>(QStringLiteral("Check1"));
        const QList<QWidget*> expected { check, Box("txtName"), Button("cmdSubmit"), Box("txtEmail"),
            Box("txtFriendEmail"), Box("txtFriendName"), Box("txtMessage"), Button("cmdClose"), check };
        QCOMPARE(QApplication::focusWidget(), Button("cmdClose"));
        for (QWidget* next : expected) {
            Tab();
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void placeholderClearsOnEntryAndReturnsWhenLeftBlank()
    {
        QLineEdit* name = Box("txtName");
        name->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QString());
        QTest::keyClicks(name, QStringLiteral("   "));
        Tab(); // leaves it holding only blanks
        QCOMPARE(name->text(), QStringLiteral("Your Name"));

        // A real entry survives entering and leaving.
        name->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(name, QStringLiteral("Ann"));
        Tab();
        name->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(name->text(), QStringLiteral("Ann"));

        // Switching to another application keeps the box as it is.
        QLineEdit* friendName = Box("txtFriendName");
        friendName->setFocus(Qt::TabFocusReason);
        QCOMPARE(friendName->text(), QString());
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(friendName, &away);
        QCOMPARE(friendName->text(), QString());
    }

    void hiddenMessageEmptiedByTheUserStopsThePress()
    {
        TypeInto("txtName", QStringLiteral("Ann"));
        TypeInto("txtEmail", QStringLiteral("ann@one.example"));
        TypeInto("txtFriendName", QStringLiteral("Bob"));
        TypeInto("txtFriendEmail", QStringLiteral("bob@two.example"));

        // Entering the message box leaves its opening text, line break and all.
        QLineEdit* message = Box("txtMessage");
        message->setFocus(Qt::TabFocusReason);
        QCOMPARE(message->text(), QStringLiteral("Your Message\r\n"));
        message->selectAll();
        QTest::keyClick(message, Qt::Key_Delete);
        Tab();
        QCOMPARE(message->text(), QStringLiteral("Your Message"));

        QTest::mouseClick(Button("cmdSubmit"), Qt::LeftButton);
        QCOMPARE(prompter.Texts(), QStringList { QStringLiteral("Please Enter Your Message") });
        QVERIFY(launcher.opened.empty());
    }

    void typedSpaceInAnEmailBoxIsRefusedWithAWarning_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("own address") << QStringLiteral("txtEmail");
        QTest::newRow("friend's address") << QStringLiteral("txtFriendEmail");
    }
    void typedSpaceInAnEmailBoxIsRefusedWithAWarning()
    {
        QFETCH(QString, box);
        const QByteArray name = box.toLatin1();
        // The warning comes first; the space is dropped once it is closed.
        QString textWhileShown;
        prompter.onShow = [&] { textWhileShown = Box(name.constData())->text(); };
        TypeInto(name.constData(), QStringLiteral("a b@c.d"));
        QCOMPARE(textWhileShown, QStringLiteral("a"));
        QCOMPARE(Box(name.constData())->text(), QStringLiteral("ab@c.d"));
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(prompter.shown[0].icon, app::MessageIcon::Critical);
        QCOMPARE(prompter.shown[0].buttons, app::MessageButtons::Ok);
        QCOMPARE(QApplication::focusWidget(), Box(name.constData()));
    }

    void pastedSpacesAndNameSpacesPass()
    {
        TypeInto("txtName", QStringLiteral("Ann Lee"));
        QCOMPARE(Box("txtName")->text(), QStringLiteral("Ann Lee"));
        TypeInto("txtFriendName", QStringLiteral("Bob Ray"));

        QLineEdit* email = Box("txtEmail");
        TypeInto("txtEmail", QString());
        QApplication::clipboard()->setText(QStringLiteral(" ann @one.example "));
        QTest::keySequence(email, QKeySequence::Paste);
        QCOMPARE(email->text(), QStringLiteral(" ann @one.example "));
        QVERIFY(prompter.shown.isEmpty());

        TypeInto("txtFriendEmail", QStringLiteral("bob@two.example"));
        QTest::mouseClick(Button("cmdSubmit"), Qt::LeftButton);
        QVERIFY(prompter.shown.isEmpty());
        QCOMPARE(launcher.opened.size(), size_t(1));
        // Sent as pasted, inner space included, outer ones trimmed.
        QVERIFY(
            QString::fromStdString(launcher.opened[0].address).contains(QStringLiteral("&taf2=ann%20%40one.example&")));
        QCOMPARE(launcher.opened[0].owner, web::kNoOwner);
        // The screen and the boxes stay as they were.
        QVERIFY(screen->isVisible());
        QCOMPARE(Box("txtName")->text(), QStringLiteral("Ann Lee"));
    }

    void pastedTextOfAnyLengthIsKeptAndSent()
    {
        // Beyond the 32,767 characters a line edit stops at by default.
        const QString longName(40000, u'n');
        QLineEdit* name = Box("txtName");
        TypeInto("txtName", QString());
        QApplication::clipboard()->setText(longName);
        QTest::keySequence(name, QKeySequence::Paste);
        QCOMPARE(name->text().size(), longName.size());

        TypeInto("txtEmail", QStringLiteral("ann@one.example"));
        TypeInto("txtFriendName", QStringLiteral("Bob"));
        TypeInto("txtFriendEmail", QStringLiteral("bob@two.example"));
        QTest::mouseClick(Button("cmdSubmit"), Qt::LeftButton);
        QVERIFY(prompter.shown.isEmpty());
        QCOMPARE(launcher.opened.size(), size_t(1));
        QVERIFY(QString::fromStdString(launcher.opened[0].address).contains(QStringLiteral("&taf1=%1&").arg(longName)));
    }

    void untouchedFormFailsOnTheAddressCheck()
    {
        QTest::mouseClick(Button("cmdSubmit"), Qt::LeftButton);
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].text, QStringLiteral("Please Enter Proper Email Address"));
        QCOMPARE(prompter.shown[0].icon, app::MessageIcon::Critical);
        QCOMPARE(prompter.shown[0].buttons, app::MessageButtons::Ok);
        QVERIFY(launcher.opened.empty());
        QCOMPARE(Box("txtName")->text(), QStringLiteral("Your Name"));
    }
};

QTEST_MAIN(TestReferAFriendForm)
#include "tst_ReferAFriendForm.moc"
