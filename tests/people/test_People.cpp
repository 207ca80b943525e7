// The people's list and its file as the user meets them: what is refused,
// what survives a restart, and that a file the program cannot read is never
// lost.

#include "people/PeopleFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using people::Person;
using people::Refusal;

constexpr year_month_day kToday { year { 2024 }, March, day { 17 } };

QString Repeated(const QString& text, int times)
{
    QString repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

class PeopleFileTest : public testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("config/tavio-biorhythm-chart/people.json"));
};

TEST(PeopleList, RefusesWhatTheUserWouldNotWant)
{
    people::PeopleList list;
    ASSERT_EQ(list.Add({ QStringLiteral("  Anna "), year { 1984 } / March / 2 }, kToday), Refusal::None);
    EXPECT_EQ(list.People().front().name, QStringLiteral("Anna"));

    const struct {
        QString name;
        year_month_day birthday;
        Refusal refusal;
    } cases[] = {
        { QStringLiteral(" \t "), year { 1990 } / 1 / 1, Refusal::EmptyName },
        { QStringLiteral("Anna"), year { 1990 } / 1 / 1, Refusal::DuplicateName },
        { QStringLiteral(" Anna\u00a0"), year { 1990 } / 1 / 1, Refusal::DuplicateName },
        { QStringLiteral("Ann\na"), year { 1990 } / 1 / 1, Refusal::ControlInName },
        { Repeated(QStringLiteral("x"), 101), year { 1990 } / 1 / 1, Refusal::LongName },
        { QStringLiteral("Leap"), year { 1985 } / February / 29, Refusal::NoSuchDay },
        { QStringLiteral("Old"), year { 1899 } / December / 31, Refusal::TooEarly },
        { QStringLiteral("Soon"), year { 2024 } / March / 18, Refusal::InTheFuture },
        // Case-sensitive, 100 characters even beyond the BMP, the first and
        // the last allowed day.
        { QStringLiteral("anna"), year { 1900 } / January / 1, Refusal::None },
        { Repeated(QStringLiteral("\U0001F600"), 100), kToday, Refusal::None },
    };
    for (const auto& [name, birthday, refusal] : cases) {
        EXPECT_EQ(list.Add({ name, birthday }, kToday), refusal) << name.toStdString();
        EXPECT_FALSE(people::RefusalText(refusal, name).isEmpty() && refusal != Refusal::None);
    }
    EXPECT_EQ(list.Size(), 3u);

    // A person may keep their own name when edited, not take another's.
    EXPECT_EQ(list.Replace(0, { QStringLiteral("Anna"), year { 1985 } / 1 / 1 }, kToday), Refusal::None);
    EXPECT_EQ(list.Replace(1, { QStringLiteral("Anna"), year { 1985 } / 1 / 1 }, kToday), Refusal::DuplicateName);
    list.Move(0, 2);
    EXPECT_EQ(list.People().back().name, QStringLiteral("Anna"));
    EXPECT_EQ(list.People().back().birthday, year { 1985 } / 1 / 1);
}

// The messages are English on any desktop, the first birthday too.
TEST(PeopleList, SaysTheFirstBirthdayInEnglishWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = people::RefusalText(Refusal::TooEarly, QString());
    QLocale::setDefault(before);
    EXPECT_EQ(text, QStringLiteral("The birthday cannot be before 1 January 1900."));
}

TEST_F(PeopleFileTest, KeepsTheListAcrossARestartAndNoFileWithoutPeople)
{
    people::PeopleFile file(path);
    EXPECT_EQ(file.Load().state, people::PeopleFile::State::Missing);
    QString error;
    ASSERT_TRUE(file.Save({}, error));
    EXPECT_FALSE(QFile::exists(path));

    people::PeopleList list;
    list.Add({ QStringLiteral("Anna"), year { 1984 } / March / 2 }, kToday);
    list.Add({ QStringLiteral("Ελένη \"Λένα\""), year { 1950 } / December / 31 }, kToday);
    list.Add({ QStringLiteral("王小明"), year { 2023 } / February / 28 }, kToday);
    ASSERT_TRUE(file.Save(list, error)) << error.toStdString();
    const QByteArray json = Contents(path);
    EXPECT_TRUE(json.startsWith("{\n  \"version\": 1,\n  \"people\": [\n    {\"name\": \"Anna\", \"birthday\": "
                                "\"1984-03-02\"},"))
        << json.toStdString();
    EXPECT_TRUE(json.contains("\"Ελένη \\\"Λένα\\\"\"")) << json.toStdString();

    people::PeopleFile restarted(path);
    const people::PeopleFile::Loaded loaded = restarted.Load();
    EXPECT_EQ(loaded.state, people::PeopleFile::State::Read);
    EXPECT_EQ(loaded.list, list);

    people::PeopleList emptied = loaded.list;
    while (!emptied.IsEmpty())
        emptied.Remove(0);
    ASSERT_TRUE(restarted.Save(emptied, error));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PeopleFileTest, AnUnreadableFileIsKeptAsideNeverOverwritten)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray broken[] = {
        "{\"version\": 1, \"people\": [{\"name\": \"Anna\", \"birthday\": \"1984-03-02\"}",
        "{\"version\": 2, \"people\": []}",
        "{\"version\": 1, \"people\": [{\"name\": \"Anna\", \"birthday\": \"1984-02-30\"}]}",
        "{\"version\": 1, \"people\": [{\"name\": \"A\", \"birthday\": \"1984-02-03\"}, {\"name\": \"A \", "
        "\"birthday\": \"1990-01-01\"}]}",
        "[]",
    };
    people::PeopleList list;
    list.Add({ QStringLiteral("Ben"), year { 1990 } / May / 5 }, kToday);
    QStringList asides;
    QStringList problems;
    for (const QByteArray& contents : broken) {
        Put(path, contents);
        people::PeopleFile file(path);
        const people::PeopleFile::Loaded loaded = file.Load();
        EXPECT_EQ(loaded.state, people::PeopleFile::State::Unreadable) << contents.toStdString();
        EXPECT_FALSE(loaded.problem.isEmpty());
        EXPECT_TRUE(loaded.list.IsEmpty());
        // Loading alone changes nothing on disk.
        EXPECT_EQ(Contents(path), contents);
        QString error;
        ASSERT_TRUE(file.Save(list, error)) << error.toStdString();
        EXPECT_EQ(Contents(file.AsidePath()), contents);
        EXPECT_EQ(people::PeopleFile(path).Load().list, list);
        asides << file.AsidePath();
        problems << loaded.problem;
    }
    // Said of the file, for the sentence that reports it to end.
    EXPECT_EQ(problems[3], QStringLiteral("entry 2 repeats the name \"A\" of an earlier entry"));
    EXPECT_EQ(asides.front(), path + QStringLiteral(".unreadable"));
    EXPECT_EQ(asides.back(), path + QStringLiteral(".unreadable-5"));
}

} // namespace
