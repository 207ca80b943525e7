#include "ui/drawing/RetainedSurface.h"

#include <QTest>

#include <limits>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);

int LitPixels(const QImage& image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += image.pixel(x, y) != kBlack ? 1 : 0;
    return lit;
}

} // namespace

class ChartSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void pointsFillOneLogicalPixelPlacedAtDeviceResolution_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("1: top left") << 1.0 << 0.0f << 0.0f << QPoint(0, 0);
        QTest::newRow("1: bottom right") << 1.0 << 28.0f << 6465.0f << QPoint(430, 430);
        QTest::newRow("1: middle") << 1.0 << 14.0f << 3232.5f << QPoint(215, 215);
        QTest::newRow("2: top left") << 2.0 << 0.0f << 0.0f << QPoint(0, 0);
        QTest::newRow("2: bottom right") << 2.0 << 28.0f << 6465.0f << QPoint(860, 860);
        QTest::newRow("2: middle") << 2.0 << 14.0f << 3232.5f << QPoint(430, 430);
        QTest::newRow("2: between pixels") << 2.0 << 7.0f << 0.0f << QPoint(215, 0);
        QTest::newRow("3: bottom right") << 3.0 << 28.0f << 6465.0f << QPoint(1290, 1290);
        QTest::newRow("4: middle") << 4.0 << 14.0f << 3232.5f << QPoint(860, 860);
    }

    void pointsFillOneLogicalPixelPlacedAtDeviceResolution()
    {
        QFETCH(qreal, ratio);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QPoint, corner);
        ui::RetainedSurface surface(QSize(431, 431), ratio);
        surface.SetScaleWidth(28);
        QCOMPARE(surface.ScaleHeight(), 6465.0);
        surface.SetPoint(x, y, 0x0000FFu);
        const QImage& image = surface.Image();
        const int dot = qRound(ratio);
        QCOMPARE(image.size(), QSize(431, 431) * dot);
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(LitPixels(image), dot * dot);
        QCOMPARE(image.pixel(corner), kRed);
        QCOMPARE(image.pixel(corner + QPoint(dot - 1, dot - 1)), kRed);
    }

    void pointsOutsideTheScaleAreClipped_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("left") << -0.01f << 100.0f;
        QTest::newRow("right") << 28.01f << 100.0f;
        QTest::newRow("above") << 3.0f << -0.5f;
        QTest::newRow("below") << 3.0f << 6465.5f;
        QTest::newRow("nan x") << nan << 100.0f;
        QTest::newRow("nan y") << 3.0f << nan;
        QTest::newRow("infinite") << inf << inf;
    }

    void pointsOutsideTheScaleAreClipped()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        for (const qreal ratio : { 1.0, 2.0 }) {
            ui::RetainedSurface surface(QSize(431, 431), ratio);
            surface.SetScaleWidth(28);
            surface.SetPoint(x, y, 0x00FF00u);
            QCOMPARE(LitPixels(surface.Image()), 0);
        }
    }

    void imageIsMadeOnFirstUseAndStartsBlack()
    {
        ui::RetainedSurface surface(QSize(431, 431), 2.0);
        QVERIFY(!surface.HasImage());
        QCOMPARE(surface.DevicePixelRatio(), 2.0);
        surface.SetScaleWidth(28);
        surface.SetPoint(14.0f, 3232.5f, 0x0000FFu);
        QVERIFY(surface.HasImage());
        QCOMPARE(LitPixels(surface.Image()), 4);

        const ui::RetainedSurface untouched(QSize(431, 431), 1.0);
        QCOMPARE(untouched.Image().size(), QSize(431, 431));
        QCOMPARE(LitPixels(untouched.Image()), 0);
    }

    void clearLeavesBlack()
    {
        ui::RetainedSurface surface(QSize(431, 431), 1.0);
        surface.SetScaleWidth(28);
        surface.SetPoint(1.0f, 1.0f, 0xFF80FFu);
        QCOMPARE(surface.Image().pixel(15, 0), qRgb(255, 128, 255));
        surface.Clear();
        QCOMPARE(LitPixels(surface.Image()), 0);
    }

    void refusesAScaleThatIsNoWidth()
    {
        ui::RetainedSurface surface(QSize(431, 431), 1.0);
        surface.SetScaleWidth(28);
        for (const double width :
            { 0.0, -28.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN() }) {
            surface.SetScaleWidth(width);
            QCOMPARE(surface.ScaleWidth(), 28.0);
        }
    }
};

QTEST_GUILESS_MAIN(ChartSurfaceTest)
#include "tst_ChartSurface.moc"
