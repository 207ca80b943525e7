#include "app/DateText.h"

#include <QTest>

class DateTextTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void WritesFourDigitYears_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << QStringLiteral("en_US") << QDate(2026, 12, 8) << QStringLiteral("12/8/2026");
        QTest::newRow("en_US single digits")
            << QStringLiteral("en_US") << QDate(2027, 1, 5) << QStringLiteral("1/5/2027");
        QTest::newRow("de_DE") << QStringLiteral("de_DE") << QDate(2026, 12, 8) << QStringLiteral("08.12.2026");
        QTest::newRow("en_GB") << QStringLiteral("en_GB") << QDate(2026, 12, 8) << QStringLiteral("08/12/2026");
        QTest::newRow("ko_KR") << QStringLiteral("ko_KR") << QDate(2026, 12, 8) << QStringLiteral("2026. 12. 8.");
        QTest::newRow("sv_SE") << QStringLiteral("sv_SE") << QDate(2026, 12, 8) << QStringLiteral("2026-12-08");
        // The year mark is quoted literal text in the format; only the year
        // field may widen.
        QTest::newRow("bg_BG") << QStringLiteral("bg_BG") << QDate(2026, 12, 8) << QStringLiteral("8.12.2026 \u0433.");
    }
    void WritesFourDigitYears()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(app::ShortDateText(date, QLocale(locale)), text);
    }

    void DefaultLocaleIsUsed() { QCOMPARE(app::ShortDateText(QDate(2026, 12, 8)), QStringLiteral("12/8/2026")); }

    void ReadsBackWhatItWrites_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : { "en_US", "de_DE", "en_GB", "fr_FR", "ko_KR", "ja_JP", "bg_BG", "ar_EG", "nl_NL" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void ReadsBackWhatItWrites()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        // Every day of two years, across a leap day and the turn of a century
        // boundary that a two-digit year would get wrong.
        for (QDate date(2026, 1, 1); date < QDate(2028, 1, 1); date = date.addDays(1)) {
            const QString text = app::ShortDateText(date, l);
            const auto parsed = app::ParseShortDate(text, l);
            QVERIFY2(parsed.has_value(), qPrintable(text));
            QCOMPARE(*parsed, date);
        }
        const QDate old(1999, 12, 31);
        QCOMPARE(app::ParseShortDate(app::ShortDateText(old, l), l), std::optional<QDate>(old));
    }

    void ReadsWindowsShortDates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("en_US") << QStringLiteral("en_US") << QStringLiteral("12/7/2026") << QDate(2026, 12, 7);
        QTest::newRow("en_US padded") << QStringLiteral("en_US") << QStringLiteral("03/07/2026") << QDate(2026, 3, 7);
        QTest::newRow("en_GB unpadded") << QStringLiteral("en_GB") << QStringLiteral("7/3/2026") << QDate(2026, 3, 7);
        QTest::newRow("de_DE unpadded") << QStringLiteral("de_DE") << QStringLiteral("7.3.2026") << QDate(2026, 3, 7);
        QTest::newRow("de_DE padded") << QStringLiteral("de_DE") << QStringLiteral("07.03.2026") << QDate(2026, 3, 7);
    }
    void ReadsWindowsShortDates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(app::ParseShortDate(text, QLocale(locale)), std::optional<QDate>(date));
    }

    void ReadsTwoDigitYearsAsTheDateBoxesDo_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("en_US 26") << QStringLiteral("en_US") << QStringLiteral("12/8/26") << QDate(2026, 12, 8);
        QTest::newRow("en_US 30") << QStringLiteral("en_US") << QStringLiteral("1/5/30") << QDate(1930, 1, 5);
        QTest::newRow("en_US leap day 00")
            << QStringLiteral("en_US") << QStringLiteral("2/29/00") << QDate(2000, 2, 29);
        QTest::newRow("de_DE 29") << QStringLiteral("de_DE") << QStringLiteral("07.03.29") << QDate(2029, 3, 7);
    }
    void ReadsTwoDigitYearsAsTheDateBoxesDo()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(app::ParseShortDate(text, QLocale(locale)), std::optional<QDate>(date));
    }

    void RejectsWhatIsNoDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("word") << QStringLiteral("yesterday");
        QTest::newRow("no such day") << QStringLiteral("2/30/2026");
        QTest::newRow("month 13") << QStringLiteral("13/1/2026");
        QTest::newRow("other order") << QStringLiteral("2026-12-08");
    }
    void RejectsWhatIsNoDate()
    {
        QFETCH(QString, text);
        QCOMPARE(app::ParseShortDate(text, QLocale(QStringLiteral("en_US"))), std::optional<QDate>());
    }
};

QTEST_MAIN(DateTextTest)
#include "tst_date_text.moc"
