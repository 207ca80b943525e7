#pragma once

// The people the user keeps, with their birthdays, and the file they are kept
// in (PeopleFile.h). This folder uses QtCore and nothing above it: names are
// text in any script, which QString trims and counts by character, and the
// file is JSON, which QtCore reads and writes whole (QSaveFile). No window
// and no Gui: the renderer, the tests and the benchmark use it as it is.
//
// In: names and birthdays as the user types them, today's date. Out: the list
// in the user's order, or the reason a person is refused.

#include "people/BirthdayRange.h"

#include <QString>

#include <chrono>
#include <optional>
#include <vector>

namespace people {

// A person wherever the program shows or names one: a kept one, the
// birthday in the main window's boxes, either side of a comparison, the
// renderer's --birth and --compare. The name is trimmed and passes CheckName,
// or is empty for a birthday that belongs to no one named.
struct Person {
    QString name;
    std::chrono::year_month_day birthday;

    friend bool operator==(const Person&, const Person&) = default;
};

inline constexpr int kMaxNameLength = 100;

enum class Refusal { None, EmptyName, LongName, ControlInName, DuplicateName, NoSuchDay, TooEarly, InTheFuture };

// The first birthday a person can have (kFirstBirthday) as the messages
// write it, "1 January 1900", in English whatever the desktop's language, as
// the messages are.
QString FirstBirthdayText();

// One sentence for the user, naming the name, or the month and day that do
// not meet, where it matters.
QString RefusalText(Refusal refusal, const QString& name, std::chrono::year_month_day birthday = {});

// The name as the list keeps it: blanks at either end removed.
QString TrimmedName(const QString& typed);

// Why a name, trimmed first, can be no one's (empty, too long, or holding a
// control character or a line or paragraph separator); Refusal::None when it
// can. The one rule for a name, wherever it is typed; that two people differ
// in name is the list's own, PeopleList::Check.
Refusal CheckName(const QString& typed);

class PeopleList {
public:
    PeopleList() = default;

    const std::vector<Person>& People() const { return people; }
    bool IsEmpty() const { return people.empty(); }
    std::size_t Size() const { return people.size(); }

    // Why person (name trimmed first) cannot join the list, or stand at
    // `replacing` in place of whoever is there; Refusal::None when it can.
    // Names are unique as written, case and all: "anna" and "Anna" are two.
    // A birthday is a day its month has, from kFirstBirthday to today
    // (BirthdayRange.h); today is null when the check is of a file, whose
    // birthdays were checked when they were added (a clock set back must not
    // cost the user the list).
    Refusal Check(const Person& person, std::optional<std::size_t> replacing,
        std::optional<std::chrono::year_month_day> today) const;

    // Each checks first and changes nothing when refused.
    Refusal Add(Person person, std::chrono::year_month_day today);
    Refusal Replace(std::size_t index, Person person, std::chrono::year_month_day today);
    void Remove(std::size_t index);
    // Moves the person at from to stand at to; out of range moves nothing.
    void Move(std::size_t from, std::size_t to);
    // For the file's reader: the file's rules, without today.
    Refusal Append(Person person);

    friend bool operator==(const PeopleList&, const PeopleList&) = default;

private:
    std::vector<Person> people;
};

} // namespace people
