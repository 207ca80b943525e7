// The people's file as the program reads it at the first People...: any bytes
// on disk. Input: the file's bytes.
//
// A file that is read must come back as the same list when the program saves
// it and reads it again: the same people in the same order, each name the
// same UTF-16 text (not merely the same after a normalisation, since the
// name is how the user finds the person and what makes them unique) and the
// same birthday. What is saved must also be what a second save writes, byte
// for byte, so that opening and closing the dialog never rewrites the file
// differently.

#include "FuzzCheck.h"
#include "people/PeopleFile.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <set>
#include <variant>

namespace {

// What the header promises of every list read from a file.
void CheckReadList(const people::PeopleList& list)
{
    std::set<QString> names;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const people::Person& person = list.People()[i];
        FUZZ_CHECK(person.name == people::TrimmedName(person.name));
        FUZZ_CHECK(!person.name.isEmpty() && person.name.toUcs4().size() <= people::kMaxNameLength);
        FUZZ_CHECK(names.insert(person.name).second);
        FUZZ_CHECK(person.birthday.ok() && person.birthday >= people::kFirstBirthday);
        // The list would keep this person as they are.
        FUZZ_CHECK(list.Check(person, i, std::nullopt) == people::Refusal::None);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = people::ParsePeopleJson(bytes);
    if (const auto* problem = std::get_if<QString>(&parsed)) {
        // The reason goes into a message box: some words, on one line.
        FUZZ_CHECK(!problem->isEmpty() && !problem->contains(QLatin1Char('\n')));
        return 0;
    }
    const auto& list = std::get<people::PeopleList>(parsed);
    CheckReadList(list);

    const QByteArray written = people::PeopleJson(list);
    const auto reread = people::ParsePeopleJson(written);
    const auto* again = std::get_if<people::PeopleList>(&reread);
    FUZZ_CHECK(again != nullptr);
    FUZZ_CHECK(*again == list);
    FUZZ_CHECK(people::PeopleJson(*again) == written);
    return 0;
}
