#include "MainWindowHarness.h"
#include "ui/about/AboutBox.h"
#include "web/PageAddress.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

using testing_support::MainWindowHarness;

Q_DECLARE_METATYPE(web::PageKey)

namespace {

// A click as the platform delivers it: to the window, which hands it to the
// topmost control at that point, unless a modal window blocks it.
void ClickThroughWindow(QWidget* widget, QPoint at)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
}

} // namespace

class TestMainWindowCommands : public QObject {
    Q_OBJECT
private slots:
    void menuItemsOpenTheirPage_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<web::PageKey>("page");
        QTest::newRow("Online Help") << QStringLiteral("mnuOnline") << web::PageKey::HelpWebPage;
        QTest::newRow("Visit Us Online") << QStringLiteral("mnuV") << web::PageKey::HomePage;
        QTest::newRow("Check For Update") << QStringLiteral("mnuCheckUpdate") << web::PageKey::DownloadWebPage;
        QTest::newRow("Donate menu") << QStringLiteral("mnuDonate") << web::PageKey::Donate;
        QTest::newRow("hidden Make Money Online") << QStringLiteral("mnuMakeMoney") << web::PageKey::FullyBranded;
    }
    void menuItemsOpenTheirPage()
    {
        QFETCH(QString, item);
        QFETCH(web::PageKey, page);
        MainWindowHarness harness;
        QAction* action = harness.window->findChild<QAction*>(item);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(harness.launcher.Addresses(), std::vector<std::string> { web::PageAddress(page) });
        QCOMPARE(harness.launcher.opened.front().owner, web::kNoOwner);
        QVERIFY(harness.window->isVisible() == false && harness.exitScreens == 0);
    }

    void donateButtonOpensTheSamePageAsTheMenu()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QWidget* button = harness.Find<QPushButton>("Command1");
        ClickThroughWindow(button, button->rect().center());
        harness.Find<QAction>("mnuDonate")->trigger();
        const std::string donate = web::PageAddress(web::PageKey::Donate);
        QCOMPARE(harness.launcher.Addresses(), (std::vector<std::string> { donate, donate }));
    }

    void advertisingRectangleAlwaysOpensFullyBranded()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        auto* fullBrand = harness.Find<QLabel>("lblFullBrand");
        auto* coBrand = harness.Find<QLabel>("lblCobrand");
        QCOMPARE(fullBrand->geometry(), coBrand->geometry());
        QVERIFY(fullBrand->text().startsWith(QStringLiteral("Home Business Opportunity.")));
        QVERIFY(coBrand->text().contains(QStringLiteral("name &  link here. See \"Help\" for details.")));
        // Clicks through the window go to whatever lies on top at each point.
        QWidget* frame = harness.Find<QGroupBox>("Frame1");
        const QRect area = fullBrand->geometry();
        const QPoint points[] = { area.center(), area.topLeft() + QPoint(1, 1), area.bottomRight() - QPoint(1, 1) };
        for (const QPoint& point : points)
            ClickThroughWindow(frame, point);
        QCOMPARE(harness.launcher.opened.size(), std::size(points));
        for (const auto& opened : harness.launcher.opened)
            QCOMPARE(opened.address, web::PageAddress(web::PageKey::FullyBranded));
        QVERIFY(fullBrand->isVisible() && fullBrand->autoFillBackground());
    }

    void topLinkOpensTheBareSiteOwnedByTheWindow()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        auto* link = harness.Find<QLabel>("Label1");
        QVERIFY(link->text().contains(QString::fromStdString(web::SiteRoot())));
        QVERIFY(link->text().contains(QStringLiteral("forum")));
        ClickThroughWindow(link, link->rect().center());
        QCOMPARE(harness.launcher.opened.size(), std::size_t { 1 });
        QCOMPARE(harness.launcher.opened.front().address, web::SiteRoot());
        QCOMPARE(harness.launcher.opened.front().owner, static_cast<web::OwnerWindow>(harness.window->winId()));
    }

    void aboutUsIsModalAndBuiltAfreshEachTime()
    {
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        QList<QPointer<QWidget>> shown;
        for (int time = 0; time < 2; ++time) {
            bool checked = false;
            QTimer::singleShot(0, this, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal != nullptr);
                checked = true;
                auto closeBox = qScopeGuard([modal] { modal->close(); });
                QCOMPARE(modal->objectName(), QStringLiteral("frmAbout"));
                QCOMPARE(modal->parentWidget(), harness.window.get());
                shown.append(modal);
                // The main window takes no input while the box is up.
                QWidget* donate = harness.Find<QPushButton>("Command1");
                ClickThroughWindow(donate, donate->rect().center());
                QCOMPARE(harness.launcher.opened.size(), std::size_t { 0 });
                closeBox.dismiss();
                QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
            });
            harness.Find<QAction>("mnuS")->trigger();
            QVERIFY(checked);
            QVERIFY(QApplication::activeModalWidget() == nullptr);
        }
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown.at(0).isNull() && shown.at(1).isNull()); // each one is gone once closed
        QVERIFY(harness.window->findChildren<ui::AboutBox*>().isEmpty());
        QVERIFY(harness.window->isVisible());
    }

    void exitAndCloseBoxBothShowTheExitScreenThenClose_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Exit") << true;
        QTest::newRow("close box") << false;
    }
    void exitAndCloseBoxBothShowTheExitScreenThenClose()
    {
        QFETCH(bool, byMenu);
        MainWindowHarness harness;
        QVERIFY(harness.ShowActive());
        bool visibleDuringExitScreen = false;
        harness.onExitScreen = [&] { visibleDuringExitScreen = harness.window->isVisible(); };
        if (byMenu)
            harness.Find<QAction>("mnuE")->trigger();
        else
            QVERIFY(harness.window->close());
        QCOMPARE(harness.exitScreens, 1);
        QVERIFY(visibleDuringExitScreen);
        QVERIFY(!harness.window->isVisible());
        QVERIFY(harness.launcher.opened.empty());
    }

    void closeGoesAheadWhenTheExitScreenFails()
    {
        MainWindowHarness harness;
        ui::MainWindow window({ harness.launcher, harness.prompter, harness.clock, [] {},
            [] { throw std::runtime_error("no exit screen"); } });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestMainWindowCommands)
#include "tst_MainWindowCommands.moc"
