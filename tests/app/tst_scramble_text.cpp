#include "app/ScrambleText.h"
#include "app/Windows1252.h"

#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QString FromCodes(std::initializer_list<int> codes)
{
    QString text;
    for (const int code : codes)
        text.append(QChar(app::Windows1252ToUnicode(static_cast<unsigned char>(code))));
    return text;
}

} // namespace

class ScrambleTextTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        // The expected texts below are those of the Western code page.
        if (GetACP() != 1252)
            QSKIP("the system's ANSI code page is not Windows-1252");
#endif
    }

    void WorkedExample()
    {
        const QString scrambled = app::ScrambleText(QStringLiteral("abc"));
        QCOMPARE(scrambled, FromCodes({ 182, 183, 184 }));
        QCOMPARE(app::UnscrambleText(scrambled), QStringLiteral("abc"));
    }

    void EmptyStaysEmpty()
    {
        QCOMPARE(app::ScrambleText(QString()), QString());
        QCOMPARE(app::UnscrambleText(QString()), QString());
    }

    void Digits_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        // The digits and separators of stored dates and counts. 8 lands on
        // 0x8D, a code the code page leaves unassigned; it must survive.
        QTest::newRow("0-9") << QStringLiteral("0123456789")
                             << FromCodes({ 133, 134, 135, 136, 137, 138, 139, 140, 141, 142 });
        QTest::newRow("8 alone") << QStringLiteral("8") << QString(QChar(0x8D));
        QTest::newRow("date") << QStringLiteral("12/8/2026")
                              << FromCodes({ 134, 135, 132, 141, 132, 135, 133, 135, 139 });
        QTest::newRow("minus") << QStringLiteral("-3") << FromCodes({ 130, 136 });
        QTest::newRow("dot blank") << QStringLiteral("8. 12.") << FromCodes({ 141, 131, 117, 134, 135, 131 });
    }
    void Digits()
    {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(app::ScrambleText(plain), scrambled);
        QCOMPARE(app::UnscrambleText(scrambled), plain);
    }

    void RoundTripsEveryCodeUpTo170()
    {
        QString all;
        for (int code = 0; code <= 170; ++code) {
            const QString one(QChar(app::Windows1252ToUnicode(static_cast<unsigned char>(code))));
            const QString scrambled = app::ScrambleText(one);
            QCOMPARE(scrambled.size(), 1);
            QCOMPARE(app::UnscrambleText(scrambled), one);
            all += one;
        }
        QCOMPARE(app::UnscrambleText(app::ScrambleText(all)), all);
    }

    void DropsWhatCannotShift_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("codes above 170") << QStringLiteral("a\u00E9b\u00FFc") << FromCodes({ 182, 183, 184 });
        QTest::newRow("not in code page") << QStringLiteral("1\u0433\u0661\u4E002") << FromCodes({ 134, 135 });
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("1") << FromCodes({ 134 });
        QTest::newRow("euro sign") << QStringLiteral("\u20AC") << FromCodes({ 128 + 85 });
    }
    void DropsWhatCannotShift()
    {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(app::ScrambleText(plain), scrambled);
    }

    void UnscrambleDropsCodesBelowTheShift()
    {
        // Text that never came out of ScrambleText: plain letters are below 85 or
        // come back as control characters.
        QCOMPARE(app::UnscrambleText(QStringLiteral("AB") + FromCodes({ 134 })), QStringLiteral("1"));
        QCOMPARE(app::UnscrambleText(QStringLiteral("U")), QString(QChar(0)));
    }
};

QTEST_MAIN(ScrambleTextTest)
#include "tst_scramble_text.moc"
