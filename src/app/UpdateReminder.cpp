#include "app/UpdateReminder.h"

#include "app/DateText.h"
#include "app/RoundHalfEven.h"
#include "app/ScrambleText.h"

#include <QDate>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

namespace app {

namespace {

const QString kDuration = QStringLiteral("Duration");
const QString kInstall = QStringLiteral("Install");

std::optional<QDate> ParseStoredDate(const QString& text)
{
    if (const auto date = ParseShortDate(text))
        return date;
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    return std::nullopt;
}

} // namespace

UpdateReminder::UpdateReminder(
    SettingsStore& store, const Clock& clock, MessagePrompter& prompter, web::Launcher& launcher)
    : store(store)
    , clock(clock)
    , prompter(prompter)
    , launcher(launcher)
{ }

QString UpdateReminder::QuestionText()
{
    return QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
}

int UpdateReminder::InstallCount(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok)
        return 1;
    const std::optional<std::int32_t> whole = RoundHalfEvenToInt32(value);
    if (!whole || *whole == std::numeric_limits<std::int32_t>::min())
        return 1;
    return std::abs(*whole);
}

QString UpdateReminder::TodayText() const
{
    QString text = ShortDateText(ToQDate(clock.Today()));
    // Some locales write dates with letters or digits that the scrambler's
    // code page lacks (Arabic digits, a Cyrillic year mark); such a text would
    // lose them in the store and never read back, so the reminder would never
    // come. The ISO form survives every code page.
    if (UnscrambleText(ScrambleText(text)) == text)
        return text;
    return ToQDate(clock.Today()).toString(Qt::ISODate);
}

void UpdateReminder::Run()
{
    const QString storedDate = store.ReadSetting(kDuration);
    if (storedDate.isEmpty()) {
        store.WriteSetting(kInstall, QStringLiteral("1"));
        store.WriteSetting(kDuration, TodayText());
        return;
    }

    const std::optional<QDate> lastAsked = ParseStoredDate(storedDate);
    if (!lastAsked) {
        // An unreadable date would otherwise block the reminder for good.
        store.WriteSetting(kDuration, TodayText());
        return;
    }

    const qint64 days = ToQDate(clock.Today()).daysTo(*lastAsked);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;
    if (asked)
        return;
    asked = true;

    const MessageAnswer answer = prompter.Show(QuestionText(), MessageIcon::Information, MessageButtons::YesNo);

    // Both values are stored whatever the answer, and a failed write must not
    // cost the user the page they asked for.
    const int count = InstallCount(store.ReadSetting(kInstall));
    store.WriteSetting(kInstall, QString::number(count));
    store.WriteSetting(kDuration, TodayText());

    if (answer == MessageAnswer::Yes)
        launcher.OpenWebPage(web::PageKey::DownloadWebPage);
}

} // namespace app
