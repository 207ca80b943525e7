#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "app/AppInfo.h"
#include "app/QuitApplication.h"
#include "ui/exit/ExitScreen.h"
#include "ui/widgets/ClickableLabel.h"
#include "web/PageAddress.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using testing_support::RecordingLauncher;
using testing_support::ScriptedPrompter;

class TestExitScreen : public QObject {
    Q_OBJECT
private:
    RecordingLauncher launcher;
    ScriptedPrompter prompter;
    int quits = 0;

    std::unique_ptr<ui::ExitScreen> Open(float draw = 0.3F)
    {
        auto screen = std::make_unique<ui::ExitScreen>(
            launcher, prompter, [this] { ++quits; }, [draw] { return draw; });
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowExposed(screen.get()))
            return nullptr;
        return screen;
    }

private slots:
    void init()
    {
        launcher.opened.clear();
        prompter.shown.clear();
        quits = 0;
    }

    void loadSetsCaptionsIconAndExitFocus()
    {
        const auto screen = Open();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), app::WindowCaption());
        auto* caption = screen->findChild<QLabel*>(QStringLiteral("lblNagScreen2Caption"));
        QVERIFY(caption);
        QCOMPARE(caption->text(), app::WindowCaption());
        // The caption label grows to its text.
        QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(app::WindowCaption()));
        auto* icon = screen->findChild<QLabel*>(QStringLiteral("picNagscreen2Icon"));
        QVERIFY(icon);
        QVERIFY(!icon->pixmap().isNull());
        QVERIFY(!screen->windowIcon().isNull());
        QCOMPARE(screen->focusWidget(), screen->findChild<QPushButton*>(QStringLiteral("cmdClose")));
#ifndef Q_OS_WIN
        // On Windows the system's topmost style does it (tst_ExitScreenOnTop).
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
#endif
        QVERIFY(screen->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!screen->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!screen->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(launcher.opened.empty());
        QCOMPARE(quits, 0);
    }

    // Which draw picks which message is SupportMessageIndex's rule
    // (test_SupportMessage.cpp); the screen shows the one its draw picks.
    void showsTheMessageItsDrawPicks()
    {
        const auto screen = Open(0.5F);
        QVERIFY(screen);
        auto* message = screen->findChild<QLabel*>(QStringLiteral("Label2"));
        QVERIFY(message);
        QCOMPARE(message->text(), QString::fromStdString(ui::SupportMessage(2)));
    }

    void realDrawsSpreadOverAllFourMessages()
    {
        int seen[4] = {};
        for (int load = 0; load < 200; ++load) {
            ui::ExitScreen screen(launcher, prompter, [this] { ++quits; });
            const QString text = screen.findChild<QLabel*>(QStringLiteral("Label2"))->text();
            for (int k = 0; k < 4; ++k)
                if (text == QString::fromStdString(ui::SupportMessage(k)))
                    ++seen[k];
        }
        QCOMPARE(seen[0] + seen[1] + seen[2] + seen[3], 200);
        // With 200 fair draws each message is expected 50 times; fewer than
        // 20 would be a broken generator (odds below one in a million).
        for (int k = 0; k < 4; ++k)
            QVERIFY2(seen[k] >= 20, qPrintable(QStringLiteral("message %1 seen %2 times").arg(k).arg(seen[k])));
    }

    void checkLineOpensHomeOncePerClickOrSpaceAndStaysUnticked()
    {
        const auto screen = Open();
        QVERIFY(screen);
        auto* check = screen->findChild<QCheckBox*>(QStringLiteral("Check1"));
        QVERIFY(check);
        QCOMPARE(check->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(check->text().contains(QString::fromStdString(web::SiteRoot()).mid(7)));

        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QCOMPARE(launcher.opened.size(), size_t(1));
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QCOMPARE(launcher.opened.size(), size_t(2));

        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(!check->isChecked());
        QCOMPARE(launcher.opened.size(), size_t(3));
        for (const auto& opened : launcher.opened) {
            QCOMPARE(opened.address, web::PageAddress(web::PageKey::HomePage));
            QCOMPARE(opened.owner, web::kNoOwner);
        }
        QVERIFY(screen->isVisible());
        QCOMPARE(quits, 0);
    }

    void pellaryLinkOpensItsPageEachTime()
    {
        const auto screen = Open();
        QVERIFY(screen);
        auto* link = screen->findChild<ui::ClickableLabel*>(QStringLiteral("lblGoToHome"));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("Click Here To Visit Pellary Softwares"));
        // The whole caption shows inside its panel, margin included. (On
        // Windows, Qt's FreeType hints the pinned faces a few pixels wider
        // than on Linux: there the caption must fit, margin or not.)
        const QWidget* panel = link->parentWidget();
        const int end = link->x() + QFontMetrics(link->font()).horizontalAdvance(link->text());
#ifdef Q_OS_WIN
        QVERIFY(end <= panel->width());
#else
        QVERIFY(end <= panel->width() - link->x());
#endif
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        const std::vector<std::string> expected(2, web::PageAddress(web::PageKey::PellarySoftwares));
        QCOMPARE(launcher.Addresses(), expected);
        QVERIFY(screen->isVisible());
        QCOMPARE(quits, 0);
    }

    void everyWayOfClosingCallsQuit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << QStringLiteral("button");
        QTest::newRow("space bar right after opening") << QStringLiteral("space");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void everyWayOfClosingCallsQuit()
    {
        QFETCH(QString, how);
        const auto screen = Open();
        QVERIFY(screen);
        auto* exit = screen->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        QVERIFY(exit);
        if (how == QLatin1String("button"))
            QTest::mouseClick(exit, Qt::LeftButton);
        else if (how == QLatin1String("space"))
            QTest::keyClick(screen->focusWidget(), Qt::Key_Space);
        else
            QVERIFY(screen->close());
        QCOMPARE(quits, 1);
        QVERIFY(launcher.opened.empty());
    }

    // The screen's close handler calls back into the quit that is closing it;
    // the program must still end exactly once and show nothing again.
    void closingThroughTheRealQuitEndsOnce_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("close box") << false;
    }
    void closingThroughTheRealQuitEndsOnce()
    {
        QFETCH(bool, byButton);
        QList<int> ends;
        app::QuitApplication quit([&ends](int status) { ends.append(status); });
        ui::ExitScreen screen(
            launcher, prompter, [&quit] { quit.Run(); }, [] { return 0.5F; });
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        if (byButton)
            QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
        else
            QVERIFY(screen.close());
        QCOMPARE(ends, QList<int> { 0 });
        QVERIFY(!screen.isVisible());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
};

QTEST_MAIN(TestExitScreen)
#include "tst_ExitScreen.moc"
