#include "app/Windows1252.h"

#include <gtest/gtest.h>
#include <ostream>
#include <set>

namespace {

struct CodeCase {
    unsigned char code;
    char16_t character;
};

void PrintTo(const CodeCase& c, std::ostream* out)
{
    *out << "code " << int(c.code);
}

class Windows1252Table : public ::testing::TestWithParam<CodeCase> { };

TEST_P(Windows1252Table, MapsBothWays)
{
    EXPECT_EQ(app::Windows1252ToUnicode(GetParam().code), GetParam().character);
    EXPECT_EQ(app::UnicodeToWindows1252(GetParam().character), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(KnownCodes, Windows1252Table,
    ::testing::Values(CodeCase { 0x00, u'\0' }, CodeCase { 0x41, u'A' }, CodeCase { 0x7F, u'\x7F' },
        CodeCase { 0x80, u'\u20AC' }, CodeCase { 0x86, u'\u2020' }, CodeCase { 0x8C, u'\u0152' },
        CodeCase { 0x99, u'\u2122' }, CodeCase { 0x9E, u'\u017E' }, CodeCase { 0x9F, u'\u0178' },
        CodeCase { 0xA0, u'\u00A0' }, CodeCase { 0xB6, u'\u00B6' }, CodeCase { 0xFF, u'\u00FF' },
        // The five codes the code page leaves unassigned stand for themselves.
        CodeCase { 0x81, u'\u0081' }, CodeCase { 0x8D, u'\u008D' }, CodeCase { 0x8F, u'\u008F' },
        CodeCase { 0x90, u'\u0090' }, CodeCase { 0x9D, u'\u009D' }));

TEST(Windows1252, EveryCodeHasItsOwnCharacter)
{
    std::set<char16_t> characters;
    for (unsigned code = 0; code <= 255; ++code) {
        const char16_t character = app::Windows1252ToUnicode(static_cast<unsigned char>(code));
        EXPECT_TRUE(characters.insert(character).second) << "code " << code;
        EXPECT_EQ(app::UnicodeToWindows1252(character), code) << "code " << code;
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageHaveNoCode)
{
    // C1 controls that the code page replaced by letters, and letters it never had.
    for (const char16_t character : { u'\u0080', u'\u0082', u'\u009F', u'\u0100', u'\u0433', u'\u0660', u'\uFFFD' })
        EXPECT_FALSE(app::UnicodeToWindows1252(character).has_value()) << int(character);
}

} // namespace
