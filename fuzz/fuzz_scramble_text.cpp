// Setting names and values as the store holds them: UnscrambleText of any
// stored text, and the round trip ScrambleText then UnscrambleText of any
// text. Input: a mode byte whose top bit reads the rest as UTF-16 instead of
// UTF-8 (the store can hold any UTF-16 text; UTF-8 reaches no lone
// surrogate), then the text. The byte is read as in FuzzLocales.h; this
// target has no use for the locale its low bits pick.

#include "FuzzCheck.h"
#include "FuzzLocales.h"
#include "app/ScrambleText.h"
#include "app/Windows1252.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// The code page's highest code that the shift carries within 0-255.
constexpr int kHighestShiftable = 255 - app::kScrambleShift;

bool Shiftable(QChar character)
{
    const std::optional<unsigned char> code = app::UnicodeToWindows1252(character.unicode());
    return code && *code <= kHighestShiftable;
}

// The characters ScrambleText keeps, in their order.
QString Shiftables(const QString& text)
{
    QString kept;
    for (const QChar character : text) {
        if (Shiftable(character))
            kept.append(character);
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString text = fuzz::TextFor(data[0], data + 1, size - 1);

    // A stored text that did not come from ScrambleText: characters are
    // dropped, never added, and what comes out scrambles back unchanged.
    const QString unscrambled = app::UnscrambleText(text);
    FUZZ_CHECK(unscrambled.size() <= text.size());
    FUZZ_CHECK(Shiftables(unscrambled) == unscrambled);
    FUZZ_CHECK(app::UnscrambleText(app::ScrambleText(unscrambled)) == unscrambled);

    // Any text: the characters with codes up to 170 come back, the others are
    // dropped one by one, so the round trip gives exactly the former.
    const QString scrambled = app::ScrambleText(text);
    const QString kept = Shiftables(text);
    FUZZ_CHECK(scrambled.size() == kept.size());
    FUZZ_CHECK(app::UnscrambleText(scrambled) == kept);
    return 0;
}
