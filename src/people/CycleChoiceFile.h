#pragma once

// The extra cycles the user chose, kept between runs in cycles.json beside
// the people's file: UTF-8 JSON, {"version": 1, "cycles": ["intuitive",
// "average"]}. Read once at start, and only when it exists; written whole
// (files/WholeFile.h) only when the choice changes. A file that cannot be
// read counts as no choice made and is replaced at the next change: unlike
// the people's list, it holds nothing a user could not choose again in two
// clicks.

#include "chart/BiorhythmCycle.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace people {

// cycles.json in the folder of DefaultPeoplePath().
QString DefaultCycleChoicePath();

QByteArray CycleChoiceJson(const chart::CycleChoice& choice);
// None for a text that is not such a file, names an unknown cycle or a
// newer version.
std::optional<chart::CycleChoice> ParseCycleChoiceJson(const QByteArray& json);

// The choice in the file at path: none chosen when there is no file or it
// cannot be read.
chart::CycleChoice LoadCycleChoice(const QString& path);
// Empty when written, else why not; the file there is then as it was.
QString SaveCycleChoice(const QString& path, const chart::CycleChoice& choice);

} // namespace people
