#include "app/ScrambleText.h"

#include <QtGlobal>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "app/Windows1252.h"
#endif

namespace app {

namespace {

#ifdef Q_OS_WIN

// One character to one byte of the system's ANSI code page. No best-fit
// substitutes: a character the code page lacks must be dropped, not stored as
// a look-alike that reads back as something else. Double-byte code pages give
// two bytes for most letters, which also count as missing.
std::optional<int> AnsiCode(QChar character)
{
    const wchar_t wide = static_cast<wchar_t>(character.unicode());
    char bytes[4] = {};
    const bool utf8 = GetACP() == CP_UTF8; // that code page accepts no default-character query
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
        static_cast<int>(sizeof bytes), nullptr, utf8 ? nullptr : &usedDefault);
    if (length != 1 || usedDefault)
        return std::nullopt;
    return static_cast<unsigned char>(bytes[0]);
}

std::optional<QChar> AnsiCharacter(int code)
{
    const char byte = static_cast<char>(code);
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1)
        return std::nullopt; // a lead byte of a double-byte code page on its own
    return QChar(static_cast<char16_t>(wide));
}

#else

std::optional<int> AnsiCode(QChar character)
{
    const auto code = UnicodeToWindows1252(character.unicode());
    if (!code)
        return std::nullopt;
    return *code;
}

std::optional<QChar> AnsiCharacter(int code)
{
    return QChar(Windows1252ToUnicode(static_cast<unsigned char>(code)));
}

#endif

QString Shifted(const QString& text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        const std::optional<int> code = AnsiCode(character);
        if (!code)
            continue;
        const int shiftedCode = *code + shift;
        if (shiftedCode < 0 || shiftedCode > 255)
            continue;
        if (const std::optional<QChar> shiftedCharacter = AnsiCharacter(shiftedCode))
            result.append(*shiftedCharacter);
    }
    return result;
}

} // namespace

QString ScrambleText(const QString& text)
{
    return Shifted(text, kScrambleShift);
}

QString UnscrambleText(const QString& text)
{
    return Shifted(text, -kScrambleShift);
}

} // namespace app
