#include "ui/chart/DayReadout.h"

#include <QTest>

Q_DECLARE_METATYPE(chart::CycleDirection)

// The readout box and the spoken description say a cycle's reading in the
// same words; the box signs a positive value and capitalises the name.
class DayReadoutTest : public QObject {
    Q_OBJECT

private slots:
    void cyclePhraseForTheEyeAndTheEar_data()
    {
        QTest::addColumn<int>("cycle");
        QTest::addColumn<double>("percent");
        QTest::addColumn<chart::CycleDirection>("direction");
        QTest::addColumn<bool>("critical");
        QTest::addColumn<QString>("eye");
        QTest::addColumn<QString>("ear");
        QTest::newRow("positive") << 0 << 62.4 << chart::CycleDirection::Rising << false
                                  << QStringLiteral("Physical +62% rising") << QStringLiteral("physical 62% rising");
        QTest::newRow("negative half, critical")
            << 1 << -12.5 << chart::CycleDirection::Falling << true
            << QStringLiteral("Emotional -13% falling, critical") << QStringLiteral("emotional -13% falling, critical");
        QTest::newRow("just below zero") << 2 << -0.4 << chart::CycleDirection::Rising << true
                                         << QStringLiteral("Intellectual 0% rising, critical")
                                         << QStringLiteral("intellectual 0% rising, critical");
        QTest::newRow("half a percent") << 2 << 0.5 << chart::CycleDirection::Rising << false
                                        << QStringLiteral("Intellectual +1% rising")
                                        << QStringLiteral("intellectual 1% rising");
        QTest::newRow("high") << 1 << 100.0 << chart::CycleDirection::High << false
                              << QStringLiteral("Emotional +100% high") << QStringLiteral("emotional 100% high");
        QTest::newRow("low") << 1 << -100.0 << chart::CycleDirection::Low << false
                             << QStringLiteral("Emotional -100% low") << QStringLiteral("emotional -100% low");
    }

    void cyclePhraseForTheEyeAndTheEar()
    {
        QFETCH(int, cycle);
        QFETCH(double, percent);
        QFETCH(chart::CycleDirection, direction);
        QFETCH(bool, critical);
        QFETCH(QString, eye);
        QFETCH(QString, ear);
        const chart::CycleReading reading { percent, direction, critical };
        const chart::BiorhythmCycle& named = chart::kCycles.at(static_cast<std::size_t>(cycle));
        QCOMPARE(ui::CyclePhrase(named, reading, ui::Reader::Eye), eye);
        QCOMPARE(ui::CyclePhrase(named, reading, ui::Reader::Ear), ear);
    }
};

QTEST_GUILESS_MAIN(DayReadoutTest)
#include "tst_DayReadout.moc"
