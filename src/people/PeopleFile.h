#pragma once

// The people's file, people.json in the program's per-user configuration
// folder: UTF-8 JSON, {"version": 1, "people": [{"name": "Anna", "birthday":
// "1984-03-02"}, ...]}, in the user's order. It is written whole or not at
// all, only when the list changes; an empty list is no file. A file that
// cannot be read whole (not JSON, a bad entry, a newer version, an error
// reading it) is never overwritten: before the first save it is moved aside
// to people.json.unreadable (or .unreadable-2, -3, ... if that is taken).
// Nothing of the file goes anywhere but this folder.

#include "people/PeopleList.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace people {

// $XDG_CONFIG_HOME/tavio-biorhythm-chart/people.json (~/.config when unset);
// on Windows %APPDATA%\tavio-biorhythm-chart\people.json. Under
// QStandardPaths' test mode, the test's own configuration folder.
QString DefaultPeoplePath();

// The file's text for a list, and back: the list, or what is wrong with the
// text in a few plain words.
QByteArray PeopleJson(const PeopleList& list);
std::variant<PeopleList, QString> ParsePeopleJson(const QByteArray& json);

class PeopleFile {
public:
    explicit PeopleFile(QString path);

    enum class State { Missing, Read, Unreadable };
    struct Loaded {
        PeopleList list; // empty unless Read
        State state = State::Missing;
        QString problem; // when Unreadable
    };

    // Reads the file; remembers whether what is on disk must be kept aside.
    Loaded Load();

    // Writes the list (or removes the file for an empty one), first moving
    // an unreadable file aside. False, with the reason, when it fails; the
    // file on disk is then as it was.
    bool Save(const PeopleList& list, QString& error);

    const QString& Path() const { return path; }
    // Where an unreadable file was or will be moved; empty when none.
    const QString& AsidePath() const { return asidePath; }

private:
    bool MoveAside(QString& error);

    QString path;
    bool keepAside = false;
    QString asidePath;
};

} // namespace people
