// The stored date of the last update question, read back in the user's
// short-date format. Input: a locale selector byte (see FuzzLocales.h), then
// the stored text.

#include "FuzzCheck.h"
#include "FuzzLocales.h"
#include "app/DateText.h"

#include <QDate>

#include <cstddef>
#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale& locale = fuzz::LocaleFor(data[0]);
    const QString stored = fuzz::TextFor(data[0], data + 1, size - 1);

    const std::optional<QDate> date = app::ParseShortDate(stored, locale);
    if (!date)
        return 0;
    FUZZ_CHECK(date->isValid());
    // Whatever was accepted is a date the program itself could have stored.
    FUZZ_CHECK(app::ParseShortDate(app::ShortDateText(*date, locale), locale) == date);
    return 0;
}
