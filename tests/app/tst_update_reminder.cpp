#include "FailingSettingsBackend.h"
#include "FixedClock.h"
#include "MemorySettingsBackend.h"
#include "ScriptedPrompter.h"
#include "app/DateText.h"
#include "app/ScrambleText.h"
#include "app/SettingsStore.h"
#include "app/UpdateReminder.h"
#include "web/PageAddress.h"

#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

const QString kDuration = QStringLiteral("Duration");
const QString kInstall = QStringLiteral("Install");
const QDate kToday(2026, 12, 8);
const QString kTodayText = QStringLiteral("12/8/2026");

std::string DownloadAddress()
{
    return web::SiteBase() + "?page=download-web-page";
}

// Notes what the store holds at the moment a page is opened, so a test can
// tell whether the values were stored before the browser was asked.
class StoreWatchingLauncher final : public web::Launcher {
public:
    struct Call {
        std::string address;
        web::OwnerWindow owner;
        QString duration;
        QString install;
    };

    explicit StoreWatchingLauncher(const app::SettingsStore& store)
        : store(store)
    { }

    void OpenAddress(const std::string& address, web::OwnerWindow owner) override
    {
        calls.push_back({ address, owner, store.ReadSetting(kDuration), store.ReadSetting(kInstall) });
    }

    std::vector<Call> calls;

private:
    const app::SettingsStore& store;
};

// One program run's worth of collaborators around a given backend.
struct Rig {
    explicit Rig(testing_support::MemorySettingsBackend& backend, QDate today = kToday)
        : store(backend)
        , clock(std::chrono::year { today.year() } / static_cast<unsigned>(today.month())
              / static_cast<unsigned>(today.day()))
        , launcher(store)
        , reminder(store, clock, prompter, launcher)
    { }

    app::SettingsStore store;
    testing_support::FixedClock clock;
    testing_support::ScriptedPrompter prompter;
    StoreWatchingLauncher launcher;
    app::UpdateReminder reminder;
};

// Seeds a backend directly, as an earlier run (or the original program) left it.
void Seed(testing_support::MemorySettingsBackend& backend, const QString& key, const QString& text)
{
    backend.values.insert(app::ScrambleText(key), app::ScrambleText(text));
}

QString Stored(const testing_support::MemorySettingsBackend& backend, const QString& key)
{
    return app::UnscrambleText(backend.values.value(app::ScrambleText(key)));
}

} // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void cleanup() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void FirstStartStoresOneAndTodaySilently()
    {
        testing_support::MemorySettingsBackend backend;
        Rig rig(backend);
        rig.reminder.Run();

        QVERIFY(rig.prompter.shown.isEmpty());
        QVERIFY(rig.launcher.calls.empty());
        // Exactly two values, under scrambled names: "Install" = "1" and
        // "Duration" = 12/8/2026, whose 8 becomes code 0x8D.
        const QMap<QString, QString> expected {
            { QStringLiteral("\u017E\u00C3\u00C8\u00C9\u00B6\u00C1\u00C1"), QStringLiteral("\u2020") },
            { QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"),
                QStringLiteral("\u2020\u2021\u201E\u008D\u201E\u2021\u2026\u2021\u2039") },
        };
        QCOMPARE(backend.values, expected);

        // The second run of the same start finds today and stays quiet.
        rig.reminder.Run();
        QVERIFY(rig.prompter.shown.isEmpty());
        QCOMPARE(backend.writes, 2);
    }

    void AsksOnlyBeyondFourteenDays_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("due");
        QTest::newRow("today") << 0 << false;
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ahead") << 15 << true;
        QTest::newRow("years ago") << -4000 << true;
        QTest::newRow("years ahead") << 4000 << true;
    }
    void AsksOnlyBeyondFourteenDays()
    {
        QFETCH(int, offset);
        QFETCH(bool, due);
        testing_support::MemorySettingsBackend backend;
        Seed(backend, kDuration, app::ShortDateText(kToday.addDays(offset)));
        Seed(backend, kInstall, QStringLiteral("5"));
        const QMap<QString, QString> before = backend.values;
        Rig rig(backend);
        rig.reminder.Run();

        QVERIFY(rig.launcher.calls.empty()); // the script answers No
        if (!due) {
            QVERIFY(rig.prompter.shown.isEmpty());
            QCOMPARE(backend.writes, 0);
            QCOMPARE(backend.values, before);
            return;
        }
        QCOMPARE(rig.prompter.shown.size(), 1);
        const auto& shown = rig.prompter.shown.first();
        QCOMPARE(shown.text,
            QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"));
        QCOMPARE(shown.icon, app::MessageIcon::Information);
        QCOMPARE(shown.buttons, app::MessageButtons::YesNo);
        QCOMPARE(backend.values.size(), 2);
        QCOMPARE(Stored(backend, kDuration), kTodayText);
        QCOMPARE(Stored(backend, kInstall), QStringLiteral("5"));
    }

    void YesOpensDownloadPageAfterStoring_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void YesOpensDownloadPageAfterStoring()
    {
        QFETCH(bool, yes);
        testing_support::MemorySettingsBackend backend;
        Seed(backend, kDuration, QStringLiteral("11/23/2026"));
        Seed(backend, kInstall, QStringLiteral("2"));
        Rig rig(backend);
        rig.prompter.answers = { yes ? app::MessageAnswer::Yes : app::MessageAnswer::No };
        rig.reminder.Run();

        QCOMPARE(rig.prompter.shown.size(), 1);
        QCOMPARE(Stored(backend, kDuration), kTodayText);
        QCOMPARE(Stored(backend, kInstall), QStringLiteral("2"));
        if (!yes) {
            QVERIFY(rig.launcher.calls.empty());
            return;
        }
        QCOMPARE(rig.launcher.calls.size(), std::size_t { 1 });
        const auto& call = rig.launcher.calls.front();
        QCOMPARE(call.address, DownloadAddress());
        QCOMPARE(call.owner, web::kNoOwner);
        QCOMPARE(call.duration, kTodayText);
        QCOMPARE(call.install, QStringLiteral("2"));
    }

    void InstallIsRewrittenAsWholePositiveNumber_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("rewritten");
        QTest::newRow("negative") << QStringLiteral("-3") << QStringLiteral("3");
        QTest::newRow("plain") << QStringLiteral("7") << QStringLiteral("7");
        QTest::newRow("half down to even") << QStringLiteral("2.5") << QStringLiteral("2");
        QTest::newRow("half up to even") << QStringLiteral("3.5") << QStringLiteral("4");
        QTest::newRow("negative half") << QStringLiteral("-2.5") << QStringLiteral("2");
        QTest::newRow("group separator") << QStringLiteral("1,000") << QStringLiteral("1000");
        QTest::newRow("largest") << QStringLiteral("2147483647") << QStringLiteral("2147483647");
        QTest::newRow("most negative but one") << QStringLiteral("-2147483647") << QStringLiteral("2147483647");
        // Texts that cannot be read as a 32-bit number count as 1.
        QTest::newRow("empty") << QString() << QStringLiteral("1");
        QTest::newRow("not a number") << QStringLiteral("abc") << QStringLiteral("1");
        QTest::newRow("above range") << QStringLiteral("2147483648") << QStringLiteral("1");
        QTest::newRow("rounds above range") << QStringLiteral("2147483647.5") << QStringLiteral("1");
        QTest::newRow("most negative") << QStringLiteral("-2147483648") << QStringLiteral("1");
        QTest::newRow("far out") << QStringLiteral("99999999999") << QStringLiteral("1");
    }
    void InstallIsRewrittenAsWholePositiveNumber()
    {
        QFETCH(QString, stored);
        QFETCH(QString, rewritten);
        testing_support::MemorySettingsBackend backend;
        Seed(backend, kDuration, QStringLiteral("11/23/2026"));
        if (!stored.isEmpty())
            Seed(backend, kInstall, stored);
        Rig rig(backend);
        rig.prompter.answers = { app::MessageAnswer::Yes };
        rig.reminder.Run();

        QCOMPARE(rig.prompter.shown.size(), 1);
        QCOMPARE(backend.values.size(), 2);
        QCOMPARE(Stored(backend, kInstall), rewritten);
        QCOMPARE(Stored(backend, kDuration), kTodayText);
        QCOMPARE(rig.launcher.calls.size(), std::size_t { 1 });
        QCOMPARE(rig.launcher.calls.front().address, DownloadAddress());
    }

    void InstallFollowsTheLocaleNumberFormat_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("de_DE decimal comma") << QStringLiteral("de_DE") << QStringLiteral("2,5") << 2;
        QTest::newRow("de_DE group dot") << QStringLiteral("de_DE") << QStringLiteral("1.000") << 1000;
        QTest::newRow("de_DE misplaced dot") << QStringLiteral("de_DE") << QStringLiteral("2.5") << 1;
        QTest::newRow("fr_FR decimal comma") << QStringLiteral("fr_FR") << QStringLiteral("-3,5") << 4;
        QTest::newRow("ar_EG plain digits") << QStringLiteral("ar_EG") << QStringLiteral("12") << 12;
    }
    void InstallFollowsTheLocaleNumberFormat()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(app::UpdateReminder::InstallCount(text, QLocale(locale)), count);
    }

    void UnreadableDateIsReplacedSilently_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("word") << QStringLiteral("someday");
        QTest::newRow("no such month") << QStringLiteral("23/11/2026");
    }
    void UnreadableDateIsReplacedSilently()
    {
        QFETCH(QString, stored);
        testing_support::MemorySettingsBackend backend;
        Seed(backend, kDuration, stored);
        Seed(backend, kInstall, QStringLiteral("4"));
        Rig rig(backend);
        rig.reminder.Run();

        QVERIFY(rig.prompter.shown.isEmpty());
        QVERIFY(rig.launcher.calls.empty());
        QCOMPARE(Stored(backend, kDuration), kTodayText);
        QCOMPARE(Stored(backend, kInstall), QStringLiteral("4"));

        // From then on the reminder keeps its rhythm again.
        Rig later(backend, kToday.addDays(15));
        later.reminder.Run();
        QCOMPARE(later.prompter.shown.size(), 1);
    }

    void FailedWritesStillOpenThePageOnYes()
    {
        testing_support::FailingSettingsBackend backend;
        Seed(backend, kDuration, QStringLiteral("11/23/2026"));
        Seed(backend, kInstall, QStringLiteral("2"));
        Rig rig(backend);
        rig.prompter.answers = { app::MessageAnswer::Yes };
        rig.reminder.Run();

        QCOMPARE(rig.prompter.shown.size(), 1);
        QCOMPARE(backend.writes, 2); // both values were attempted
        QCOMPARE(rig.launcher.calls.size(), std::size_t { 1 });
        QCOMPARE(rig.launcher.calls.front().address, DownloadAddress());
    }

    void AsksAtMostOncePerRun_data()
    {
        QTest::addColumn<bool>("failing");
        QTest::newRow("store works") << false;
        QTest::newRow("store fails") << true;
    }
    void AsksAtMostOncePerRun()
    {
        QFETCH(bool, failing);
        auto backend = failing ? std::make_unique<testing_support::FailingSettingsBackend>()
                               : std::make_unique<testing_support::MemorySettingsBackend>();
        Seed(*backend, kDuration, QStringLiteral("11/23/2026"));
        Seed(*backend, kInstall, QStringLiteral("1"));
        Rig rig(*backend);
        rig.prompter.answers = { app::MessageAnswer::Yes };

        rig.reminder.Run(); // start-up
        rig.reminder.Run(); // the main window's load
        QCOMPARE(rig.prompter.shown.size(), 1);
        QCOMPARE(rig.launcher.calls.size(), std::size_t { 1 });

        // The next start of the program asks again only if nothing was stored.
        Rig nextStart(*backend);
        nextStart.reminder.Run();
        QCOMPARE(nextStart.prompter.shown.size(), failing ? 1 : 0);
    }

    void DatesOutsideTheCodePageStayReadable_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("Arabic digits") << QStringLiteral("ar_EG");
        QTest::newRow("Cyrillic year mark") << QStringLiteral("bg_BG");
        QTest::newRow("Persian digits") << QStringLiteral("fa_IR");
    }
    void DatesOutsideTheCodePageStayReadable()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        testing_support::MemorySettingsBackend backend;
        Rig first(backend);
        first.reminder.Run();
        QCOMPARE(Stored(backend, kDuration), QStringLiteral("2026-12-08"));

        Rig quiet(backend, kToday.addDays(14));
        quiet.reminder.Run();
        QVERIFY(quiet.prompter.shown.isEmpty());
        QCOMPARE(Stored(backend, kDuration), QStringLiteral("2026-12-08"));

        Rig due(backend, kToday.addDays(15));
        due.reminder.Run();
        QCOMPARE(due.prompter.shown.size(), 1);
    }

    void DatesInsideTheCodePageUseTheLocaleFormat()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        testing_support::MemorySettingsBackend backend;
        Rig rig(backend);
        rig.reminder.Run();
        QCOMPARE(Stored(backend, kDuration), QStringLiteral("08.12.2026"));
    }
};

QTEST_MAIN(UpdateReminderTest)
#include "tst_update_reminder.moc"
