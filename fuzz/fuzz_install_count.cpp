// The stored "Install" count, read with the user's number format when the
// update question is asked. Input: a locale selector byte (see
// FuzzLocales.h), then the stored text.

#include "FuzzCheck.h"
#include "FuzzLocales.h"
#include "app/UpdateReminder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale& locale = fuzz::LocaleFor(data[0]);
    const QString stored = fuzz::TextFor(data[0], data + 1, size - 1);

    const int count = app::UpdateReminder::InstallCount(stored, locale);
    FUZZ_CHECK(count >= 0);
    bool isNumber = false;
    locale.toDouble(stored, &isNumber);
    if (!isNumber)
        FUZZ_CHECK(count == 1);
    // The count is written back in plain digits; the next question must read
    // the same count from them.
    FUZZ_CHECK(app::UpdateReminder::InstallCount(QString::number(count), locale) == count);
    return 0;
}
