#include "people/PeopleFile.h"

#include "files/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>

namespace people {
namespace {

constexpr int kVersion = 1;
const QString kFolder = QStringLiteral("tavio-biorhythm-chart");

QString IsoText(std::chrono::year_month_day date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(static_cast<int>(date.year()), 4, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(date.month()), 2, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(date.day()), 2, 10, QLatin1Char('0'));
}

std::optional<std::chrono::year_month_day> ReadIso(const QString& text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return std::nullopt;
    bool yearOk = false;
    bool monthOk = false;
    bool dayOk = false;
    const int year = text.first(4).toInt(&yearOk);
    const unsigned month = text.sliced(5, 2).toUInt(&monthOk);
    const unsigned day = text.sliced(8, 2).toUInt(&dayOk);
    const std::chrono::year_month_day date { std::chrono::year { year }, std::chrono::month { month },
        std::chrono::day { day } };
    if (!yearOk || !monthOk || !dayOk || !date.ok()
        || std::any_of(text.begin(), text.end(), [](QChar c) { return c != QLatin1Char('-') && !c.isDigit(); }))
        return std::nullopt;
    return date;
}

// A JSON string literal, quotes and escapes as QJsonDocument writes them.
QByteArray JsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray { text }).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

// What is wrong with the file's entry `number`, in words for a file rather
// than the Add dialog's advice to someone typing, and with no full stop: the
// message that reports the file ends the sentence.
QString EntryProblem(int number, Refusal refusal, const QString& name)
{
    const QString entry = QString::number(number);
    switch (refusal) {
    case Refusal::EmptyName:
        return QStringLiteral("entry %1 has no name").arg(entry);
    case Refusal::LongName:
        return QStringLiteral("the name in entry %1 is longer than %2 characters").arg(entry).arg(kMaxNameLength);
    case Refusal::ControlInName:
        return QStringLiteral("the name in entry %1 holds a tab or a line break").arg(entry);
    case Refusal::DuplicateName:
        return QStringLiteral("entry %1 repeats the name \"%2\" of an earlier entry").arg(entry, name);
    case Refusal::TooEarly:
        return QStringLiteral("the birthday in entry %1 is before %2").arg(entry, FirstBirthdayText());
    case Refusal::None:
    case Refusal::NoSuchDay: // the reader has checked the date
    case Refusal::InTheFuture: // not checked for a file
        break;
    }
    return QStringLiteral("entry %1 is not a name with a birthday").arg(entry);
}

} // namespace

QString DefaultPeoplePath()
{
    QString base;
#ifdef Q_OS_WIN
    // Roaming, as a user's own list should follow them between machines.
    if (!QStandardPaths::isTestModeEnabled())
        base = qEnvironmentVariable("APPDATA");
#endif
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(kFolder + QStringLiteral("/people.json"));
}

QByteArray PeopleJson(const PeopleList& list)
{
    // Written by hand rather than through QJsonObject, which would sort
    // "people" before "version": a reader of the file meets the version first.
    QByteArray json = "{\n  \"version\": " + QByteArray::number(kVersion) + ",\n  \"people\": [";
    const char* separator = "\n";
    for (const Person& person : list.People()) {
        json += separator;
        json += "    {\"name\": " + JsonString(person.name) + ", \"birthday\": \"" + IsoText(person.birthday).toLatin1()
            + "\"}";
        separator = ",\n";
    }
    json += list.IsEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

std::variant<PeopleList, QString> ParsePeopleJson(const QByteArray& json)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("it is not valid JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset);
    if (!document.isObject())
        return QStringLiteral("it does not hold a list of people");
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != static_cast<double>(version.toInt()) || version.toInt() < 1)
        return QStringLiteral("it has no version number");
    if (version.toInt() > kVersion)
        return QStringLiteral("it was written by a newer version of the program (file version %1)")
            .arg(version.toInt());
    const QJsonValue entries = root.value(QStringLiteral("people"));
    if (!entries.isArray())
        return QStringLiteral("it does not hold a list of people");
    PeopleList list;
    int number = 0;
    for (const QJsonValue& entry : entries.toArray()) {
        ++number;
        const QJsonValue name = entry.toObject().value(QStringLiteral("name"));
        const QJsonValue birthday = entry.toObject().value(QStringLiteral("birthday"));
        const auto date = ReadIso(birthday.toString());
        if (!entry.isObject() || !name.isString() || !birthday.isString() || !date)
            return QStringLiteral("entry %1 is not a name with a birthday").arg(number);
        const Refusal refusal = list.Append({ name.toString(), *date });
        if (refusal != Refusal::None)
            return EntryProblem(number, refusal, TrimmedName(name.toString()));
    }
    return list;
}

PeopleFile::PeopleFile(QString path)
    : path(std::move(path))
{ }

PeopleFile::Loaded PeopleFile::Load()
{
    keepAside = false;
    QFile file(path);
    if (!file.exists())
        return {};
    Loaded loaded;
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.problem = QStringLiteral("it could not be opened (%1)").arg(file.errorString());
    } else {
        auto parsed = ParsePeopleJson(file.readAll());
        if (auto* list = std::get_if<PeopleList>(&parsed)) {
            loaded.list = std::move(*list);
            loaded.state = State::Read;
            return loaded;
        }
        loaded.problem = std::get<QString>(parsed);
    }
    loaded.state = State::Unreadable;
    keepAside = true;
    asidePath = path + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(asidePath); ++n)
        asidePath = path + QStringLiteral(".unreadable-%1").arg(n);
    return loaded;
}

bool PeopleFile::MoveAside(QString& error)
{
    if (!keepAside)
        return true;
    if (!QFile::rename(path, asidePath)) {
        error = QStringLiteral("The unreadable %1 could not be moved aside to %2, so it was left as it is.")
                    .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(asidePath));
        return false;
    }
    keepAside = false;
    return true;
}

bool PeopleFile::Save(const PeopleList& list, QString& error)
{
    if (!MoveAside(error))
        return false;
    if (list.IsEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            error = QStringLiteral("%1 could not be removed.").arg(QDir::toNativeSeparators(path));
            return false;
        }
        return true;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("The folder %1 could not be made.")
                    .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        return false;
    }
    const QString problem = files::WriteWholeFile(path, PeopleJson(list));
    if (!problem.isEmpty()) {
        error = QStringLiteral("%1 could not be written (%2).").arg(QDir::toNativeSeparators(path), problem);
        return false;
    }
    return true;
}

} // namespace people
