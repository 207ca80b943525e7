#include "people/CycleChoiceFile.h"

#include "files/WholeFile.h"
#include "people/PeopleFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace people {
namespace {

constexpr int kVersion = 1;

} // namespace

QString DefaultCycleChoicePath()
{
    return QFileInfo(DefaultPeoplePath()).dir().filePath(QStringLiteral("cycles.json"));
}

QByteArray CycleChoiceJson(const chart::CycleChoice& choice)
{
    QJsonArray names;
    for (const std::size_t i : choice.Extras())
        names.append(QString::fromStdString(chart::LowerCaseName(chart::kEveryCycle[i])));
    QJsonObject object;
    object.insert(QStringLiteral("version"), kVersion);
    object.insert(QStringLiteral("cycles"), names);
    return QJsonDocument(object).toJson();
}

std::optional<chart::CycleChoice> ParseCycleChoiceJson(const QByteArray& json)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("version")).toInt(0) != kVersion)
        return std::nullopt;
    const QJsonValue cycles = object.value(QStringLiteral("cycles"));
    if (!cycles.isArray())
        return std::nullopt;
    QStringList names;
    for (const QJsonValue& name : cycles.toArray()) {
        // A name with a comma would read as two.
        if (!name.isString() || name.toString().contains(QLatin1Char(',')))
            return std::nullopt;
        names << name.toString();
    }
    return chart::CycleChoice::FromNames(names.join(QLatin1Char(',')).toStdString());
}

chart::CycleChoice LoadCycleChoice(const QString& path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return {};
    // A few hundred bytes at most; anything far larger is not this file.
    constexpr qint64 kMostBytes = 64 * 1024;
    if (file.size() > kMostBytes)
        return {};
    return ParseCycleChoiceJson(file.readAll()).value_or(chart::CycleChoice());
}

QString SaveCycleChoice(const QString& path, const chart::CycleChoice& choice)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("The folder %1 could not be made.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    return files::WriteWholeFile(path, CycleChoiceJson(choice));
}

} // namespace people
