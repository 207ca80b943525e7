#include "ui/widgets/ClickableLabel.h"

#include <QSignalSpy>
#include <QTest>

// A link reacts like a button: the left button pressed and released on it.
class TestClickableLabel : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        parent = new QWidget;
        parent->resize(200, 100);
        link = new ui::ClickableLabel(parent);
        link->setText(QStringLiteral("Click here"));
        link->setGeometry(10, 10, 100, 20);
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent));
    }
    void cleanup() { delete parent; }

    void leftClickInsideEmitsOnce()
    {
        QSignalSpy clicked(link, &ui::ClickableLabel::clicked);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }

    void otherButtonsDoNothing()
    {
        QSignalSpy clicked(link, &ui::ClickableLabel::clicked);
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::MiddleButton);
        QCOMPARE(clicked.size(), 0);
    }

    void releasingOutsideCancels()
    {
        QSignalSpy clicked(link, &ui::ClickableLabel::clicked);
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(150, 5));
        QCOMPARE(clicked.size(), 0);
    }

    void releaseWithoutPressDoesNothing()
    {
        QSignalSpy clicked(link, &ui::ClickableLabel::clicked);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.size(), 0);
    }

private:
    QWidget* parent = nullptr;
    ui::ClickableLabel* link = nullptr;
};

QTEST_MAIN(TestClickableLabel)
#include "tst_ClickableLabel.moc"
