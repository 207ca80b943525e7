#pragma once

// Stored settings are read with the user's locale. The targets that read them
// take the locale from the input's first byte: its low four bits pick one of
// the locales below (so the seeds can start with '0' for en_US, '1' for
// de_DE, ...), and its top bit reads the rest as UTF-16 instead of UTF-8,
// which reaches texts no UTF-8 input spells, such as lone surrogates.

#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

inline const QLocale& LocaleFor(std::uint8_t selector)
{
    static const std::array<QLocale, 16> locales = {
        QLocale(QStringLiteral("en_US")),
        QLocale(QStringLiteral("de_DE")),
        QLocale(QStringLiteral("en_GB")),
        QLocale(QStringLiteral("fr_FR")),
        QLocale(QStringLiteral("ko_KR")),
        QLocale(QStringLiteral("ja_JP")),
        QLocale(QStringLiteral("bg_BG")),
        QLocale(QStringLiteral("ar_EG")),
        QLocale(QStringLiteral("nl_NL")),
        QLocale(QStringLiteral("sv_SE")),
        QLocale(QStringLiteral("fa_IR")),
        QLocale(QStringLiteral("zh_CN")),
        QLocale(QStringLiteral("hi_IN")),
        QLocale(QStringLiteral("th_TH")),
        QLocale(QStringLiteral("he_IL")),
        QLocale(QStringLiteral("ru_RU")),
    };
    return locales[selector & 0x0F];
}

inline QString TextFor(std::uint8_t selector, const std::uint8_t* data, std::size_t size)
{
    if ((selector & 0x80) == 0)
        return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    return QString::fromStdU16String(units);
}

} // namespace fuzz
