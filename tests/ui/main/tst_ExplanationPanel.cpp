#include "MainWindowHarness.h"

#include <QLabel>

using testing_support::MainWindowHarness;

namespace {

QLabel* Info(const MainWindowHarness& harness, int index)
{
    for (QLabel* label : harness.window->findChildren<QLabel*>(QStringLiteral("lblInfo")))
        if (label->property("index").toInt() == index)
            return label;
    return nullptr;
}

QPoint CentreOf(const QWidget* widget, const QWidget* in)
{
    return widget->mapTo(in, widget->rect().center());
}

} // namespace

class TestExplanationPanel : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        harness = std::make_unique<MainWindowHarness>();
        QVERIFY(harness->ShowActive());
        heading = Info(*harness, 0);
        body = Info(*harness, 1);
        strip = harness->Find<QWidget>("picExplain");
        QVERIFY(heading && body && strip);
    }
    void cleanup() { harness.reset(); }

    void namesShowTheirCycleAndTheBackgroundTheGeneralText_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expectedHeading");
        QTest::addColumn<QString>("bodyStart");
        QTest::newRow("Physical") << QStringLiteral("lblRed") << QStringLiteral("Physical:")
                                  << QStringLiteral("This cycle indicates your physical strength");
        QTest::newRow("Emotional") << QStringLiteral("lblGreen") << QStringLiteral("Emotional:")
                                   << QStringLiteral("This cycle tracks the stability");
        QTest::newRow("Intellectual") << QStringLiteral("lblViolet") << QStringLiteral("Intellectual:")
                                      << QStringLiteral("This cycle indicates the verbal, mathematical");
    }
    void namesShowTheirCycleAndTheBackgroundTheGeneralText()
    {
        QFETCH(QString, source);
        QFETCH(QString, expectedHeading);
        QFETCH(QString, bodyStart);
        const QWidget* name = harness->window->findChild<QWidget*>(source);
        QVERIFY(name);
        QTest::mouseMove(harness->window.get(), CentreOf(name, harness->window.get()));
        QCOMPARE(heading->text(), expectedHeading);
        QVERIFY2(body->text().startsWith(bodyStart), qPrintable(body->text()));
        QVERIFY(!body->text().contains(QLatin1Char('\n')));

        // The black corner of the strip brings the general text back.
        QTest::mouseMove(harness->window.get(), strip->mapTo(harness->window.get(), QPoint(2, 2)));
        QCOMPARE(heading->text(), QStringLiteral("General:"));
        QVERIFY(body->text().startsWith(QStringLiteral("Chart represents a range of days")));
    }

    void movingWithinTheSameNameTouchesNothing()
    {
        const QWidget* red = harness->Find<QWidget>("lblRed");
        QTest::mouseMove(harness->window.get(), red->mapTo(harness->window.get(), QPoint(1, 1)));
        QCOMPARE(heading->text(), QStringLiteral("Physical:"));
        // A marker in the body shows whether the labels are written again.
        body->setText(QStringLiteral("marker"));
        QTest::mouseMove(harness->window.get(), CentreOf(red, harness->window.get()));
        QCOMPARE(body->text(), QStringLiteral("marker"));
        // The general heading is compared the same way on the background.
        QTest::mouseMove(harness->window.get(), strip->mapTo(harness->window.get(), QPoint(1, 1)));
        body->setText(QStringLiteral("marker"));
        QTest::mouseMove(harness->window.get(), strip->mapTo(harness->window.get(), QPoint(3, 3)));
        QCOMPARE(body->text(), QStringLiteral("marker"));
    }

    void crossingTheGapShowsGeneralInBetween()
    {
        QWidget* window = harness->window.get();
        const QWidget* red = harness->Find<QWidget>("lblRed");
        const QWidget* green = harness->Find<QWidget>("lblGreen");
        QStringList seen;
        QTest::mouseMove(window, CentreOf(red, window));
        seen << heading->text();
        const QPoint gap = strip->mapTo(window, QPoint((red->geometry().right() + green->geometry().left()) / 2, 10));
        QTest::mouseMove(window, gap);
        seen << heading->text();
        QTest::mouseMove(window, CentreOf(green, window));
        seen << heading->text();
        QCOMPARE(seen, testing_support::Texts({ "Physical:", "General:", "Emotional:" }));
    }

    void leavingTheStripKeepsTheLastExplanation()
    {
        QWidget* window = harness->window.get();
        QTest::mouseMove(window, CentreOf(harness->Find<QWidget>("lblViolet"), window));
        QTest::mouseMove(window, CentreOf(body, window));
        QTest::mouseMove(window, QPoint(5, window->height() - 5));
        QCOMPARE(heading->text(), QStringLiteral("Intellectual:"));
    }

    void clickingNamesOrStripDoesNothing()
    {
        QWidget* window = harness->window.get();
        QTest::mouseMove(window, CentreOf(harness->Find<QWidget>("lblGreen"), window));
        const QString shown = body->text();
        QTest::mouseClick(harness->Find<QWidget>("lblGreen"), Qt::LeftButton);
        QTest::mouseClick(harness->Find<QWidget>("lblRed"), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(heading->text(), QStringLiteral("Emotional:"));
        QCOMPARE(body->text(), shown);
        QVERIFY(harness->launcher.opened.empty());
    }

private:
    std::unique_ptr<MainWindowHarness> harness;
    QLabel* heading = nullptr;
    QLabel* body = nullptr;
    QWidget* strip = nullptr;
};

QTEST_MAIN(TestExplanationPanel)
#include "tst_ExplanationPanel.moc"
