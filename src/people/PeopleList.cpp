#include "people/PeopleList.h"

#include <QList>
#include <QLocale>

#include <algorithm>

namespace people {

QString FirstBirthdayText()
{
    return QStringLiteral("%1 %2 %3")
        .arg(static_cast<unsigned>(kFirstBirthday.day()))
        .arg(QLocale::c().monthName(
            static_cast<int>(static_cast<unsigned>(kFirstBirthday.month())), QLocale::LongFormat))
        .arg(static_cast<int>(kFirstBirthday.year()));
}

QString RefusalText(Refusal refusal, const QString& name, std::chrono::year_month_day birthday)
{
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::EmptyName:
        return QStringLiteral("Please enter a name.");
    case Refusal::LongName:
        return QStringLiteral("A name can be at most %1 characters long.").arg(kMaxNameLength);
    case Refusal::ControlInName:
        return QStringLiteral("A name cannot hold tabs or line breaks.");
    case Refusal::DuplicateName:
        return QStringLiteral("\"%1\" is already in the list. Please choose another name.").arg(name);
    case Refusal::NoSuchDay:
        return QStringLiteral("%1 %2 has no day %3.")
            .arg(QLocale().monthName(static_cast<int>(static_cast<unsigned>(birthday.month())), QLocale::LongFormat))
            .arg(static_cast<int>(birthday.year()))
            .arg(static_cast<unsigned>(birthday.day()));
    case Refusal::TooEarly:
        return QStringLiteral("The birthday cannot be before %1.").arg(FirstBirthdayText());
    case Refusal::InTheFuture:
        return QStringLiteral("The birthday cannot be after today.");
    }
    return {};
}

QString TrimmedName(const QString& typed)
{
    return typed.trimmed();
}

Refusal CheckName(const QString& typed)
{
    const QString name = TrimmedName(typed);
    if (name.isEmpty())
        return Refusal::EmptyName;
    // By character, not by UTF-16 unit: a name in a script beyond the Basic
    // Multilingual Plane counts each of its letters once.
    if (name.toUcs4().size() > kMaxNameLength)
        return Refusal::LongName;
    // A line break would break the calendar file's lines and the table's rows.
    if (std::any_of(name.begin(), name.end(), [](QChar c) {
            return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
                || c.category() == QChar::Separator_Paragraph;
        }))
        return Refusal::ControlInName;
    return Refusal::None;
}

Refusal PeopleList::Check(
    const Person& person, std::optional<std::size_t> replacing, std::optional<std::chrono::year_month_day> today) const
{
    if (const Refusal refusal = CheckName(person.name); refusal != Refusal::None)
        return refusal;
    const QString name = TrimmedName(person.name);
    for (std::size_t i = 0; i < people.size(); ++i)
        if (people[i].name == name && i != replacing)
            return Refusal::DuplicateName;
    if (!person.birthday.ok())
        return Refusal::NoSuchDay;
    switch (CheckBirthday(person.birthday, today)) {
    case BirthdayFault::TooEarly:
        return Refusal::TooEarly;
    case BirthdayFault::InTheFuture:
        return Refusal::InTheFuture;
    case BirthdayFault::None:
        break;
    }
    return Refusal::None;
}

Refusal PeopleList::Add(Person person, std::chrono::year_month_day today)
{
    const Refusal refusal = Check(person, std::nullopt, today);
    if (refusal == Refusal::None) {
        person.name = TrimmedName(person.name);
        people.push_back(std::move(person));
    }
    return refusal;
}

Refusal PeopleList::Append(Person person)
{
    const Refusal refusal = Check(person, std::nullopt, std::nullopt);
    if (refusal == Refusal::None) {
        person.name = TrimmedName(person.name);
        people.push_back(std::move(person));
    }
    return refusal;
}

Refusal PeopleList::Replace(std::size_t index, Person person, std::chrono::year_month_day today)
{
    if (index >= people.size())
        return Refusal::None;
    const Refusal refusal = Check(person, index, today);
    if (refusal == Refusal::None) {
        person.name = TrimmedName(person.name);
        people[index] = std::move(person);
    }
    return refusal;
}

void PeopleList::Remove(std::size_t index)
{
    if (index < people.size())
        people.erase(people.begin() + static_cast<std::ptrdiff_t>(index));
}

void PeopleList::Move(std::size_t from, std::size_t to)
{
    if (from >= people.size() || to >= people.size() || from == to)
        return;
    Person moving = std::move(people[from]);
    people.erase(people.begin() + static_cast<std::ptrdiff_t>(from));
    people.insert(people.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
}

} // namespace people
