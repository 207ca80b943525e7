#include "RecordingLauncher.h"
#include "ui/about/AboutBox.h"
#include "ui/widgets/ClickableLabel.h"
#include "web/PageAddress.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using testing_support::RecordingLauncher;

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        owner = new QWidget;
        owner->setGeometry(100, 80, 640, 480);
        owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner));
    }
    void cleanup() { delete owner; }

    void closesOnOkEnterAndEscape_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << QStringLiteral("ok") << int(QDialog::Accepted);
        QTest::newRow("Enter") << QStringLiteral("enter") << int(QDialog::Accepted);
        QTest::newRow("Escape") << QStringLiteral("escape") << int(QDialog::Rejected);
    }
    void closesOnOkEnterAndEscape()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        RecordingLauncher launcher;
        ui::AboutBox about(launcher, owner);
        about.open();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.isModal());
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QCOMPARE(QApplication::focusWidget(), ok);
        QSignalSpy finished(&about, &QDialog::finished);
        if (how == QLatin1String("ok"))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            QTest::keyClick(
                QApplication::focusWidget(), how == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), result);
        QVERIFY(!about.isVisible());
        QVERIFY(launcher.opened.empty());
    }

    void linksOpenTheirPagesAndKeepTheBoxOpen()
    {
        RecordingLauncher launcher;
        ui::AboutBox about(launcher, owner);
        about.open();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* details = about.findChild<ui::ClickableLabel*>(QStringLiteral("lblCoBrand"));
        auto* home = about.findChild<ui::ClickableLabel*>(QStringLiteral("lblHomePage"));
        QVERIFY(details && home);
        QCOMPARE(details->text(), QStringLiteral("Click here for more details."));
        QVERIFY(home->text().contains(QString::fromStdString(web::SiteRoot())));

        QTest::mouseClick(details, Qt::LeftButton);
        QTest::mouseClick(home, Qt::LeftButton);
        QTest::mouseClick(details, Qt::LeftButton);
        const std::vector<std::string> expected { web::PageAddress(web::PageKey::FullyBranded),
            web::PageAddress(web::PageKey::HomePage), web::PageAddress(web::PageKey::FullyBranded) };
        QCOMPARE(launcher.Addresses(), expected);
        for (const auto& opened : launcher.opened)
            QCOMPARE(opened.owner, web::kNoOwner);
        QVERIFY(about.isVisible());
        QVERIFY(about.isModal());
    }

    void opensCentredOverItsOwnerWhereverItWasMoved_data()
    {
        QTest::addColumn<QPoint>("ownerAt");
        QTest::newRow("near the origin") << QPoint(0, 0);
        QTest::newRow("moved") << QPoint(400, 300);
    }
    void opensCentredOverItsOwnerWhereverItWasMoved()
    {
        QFETCH(QPoint, ownerAt);
        owner->move(ownerAt);
        RecordingLauncher launcher;
        ui::AboutBox about(launcher, owner);
        about.open();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint offset = about.frameGeometry().center() - owner->frameGeometry().center();
        QVERIFY2(
            offset.manhattanLength() <= 2, qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
    }

private:
    QWidget* owner = nullptr;
};

QTEST_MAIN(TestAboutBox)
#include "tst_AboutBox.moc"
