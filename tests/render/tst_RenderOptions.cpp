#include "render/RenderOptions.h"

#include <QTest>

namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

// The renderer's clock, pinned.
constexpr year_month_day kToday { year { 2024 }, month { 3 }, day { 17 } };

std::vector<std::string> Split(const QString& line)
{
    std::vector<std::string> arguments;
    for (const QString& part : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        arguments.push_back(part.toStdString());
    return arguments;
}

} // namespace

class RenderOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void readsAWholeRequest_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("scale");
        QTest::newRow("separate values") << QStringLiteral("--birth 1980-01-04 --report 2024-02-29 --output out.png")
                                         << 1;
        QTest::newRow("any order, with scale")
            << QStringLiteral("--scale 3 --output out.png --report 2024-02-29 --birth 1980-01-04") << 3;
        QTest::newRow("values after =") << QStringLiteral(
            "--birth=1980-01-04 --report=2024-02-29 --output=out.png --scale=4")
                                        << 4;
    }

    void readsAWholeRequest()
    {
        QFETCH(QString, line);
        QFETCH(int, scale);
        const render::ParsedArguments parsed = render::ParseArguments(Split(line), kToday);
        const auto* options = std::get_if<render::RenderOptions>(&parsed);
        QVERIFY(options);
        QVERIFY(options->person.birthday == (year_month_day { year { 1980 }, month { 1 }, day { 4 } }));
        QVERIFY(options->report == (year_month_day { year { 2024 }, month { 2 }, day { 29 } }));
        QCOMPARE(options->output, std::string("out.png"));
        QCOMPARE(options->scale, scale);
    }

    void readsTheExtraCyclesInTheTablesOrder()
    {
        const render::ParsedArguments parsed = render::ParseArguments(
            Split(QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --output a.png --cycles average,intuitive")),
            kToday);
        const auto* options = std::get_if<render::RenderOptions>(&parsed);
        QVERIFY(options);
        QCOMPARE(options->cycles.Names(), std::string("intuitive,average"));
    }

    // The ends of the windows' dates: birthdays from 1900 to today, report
    // days in the main window's years.
    void takesTheWindowsDatesToTheirEnds()
    {
        for (const QString& line : { QStringLiteral("--birth 1900-01-01 --report 2099-12-31 --compare 2024-03-17"),
                 QStringLiteral("--birth 2024-03-17 --report 1900-01-01 --compare 1900-01-01") }) {
            const render::ParsedArguments parsed
                = render::ParseArguments(Split(line + QStringLiteral(" --output a.png")), kToday);
            QVERIFY2(std::holds_alternative<render::RenderOptions>(parsed), qPrintable(line));
        }
    }

    // Names as the People list keeps them: blanks of any script trimmed.
    void namesFollowThePeopleList()
    {
        const QString request = QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --critical a.ics --compare "
                                               "1986-07-11 --output a.png --compare-name Bo ");
        const render::ParsedArguments parsed
            = render::ParseArguments(Split(request + QStringLiteral("--name \u3000Anna\u00A0Berg\u3000")), kToday);
        const auto* options = std::get_if<render::RenderOptions>(&parsed);
        QVERIFY(options);
        QCOMPARE(options->person.name, QStringLiteral("Anna\u00A0Berg"));
        QCOMPARE(options->compare->name, QStringLiteral("Bo"));
    }

    void helpWinsOverEverythingElse()
    {
        for (const QString& line : { QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("--bogus --help"),
                 QStringLiteral("--birth 1980-01-04 -h") }) {
            const render::ParsedArguments parsed = render::ParseArguments(Split(line), kToday);
            QVERIFY2(std::holds_alternative<render::HelpRequest>(parsed), qPrintable(line));
        }
        QVERIFY(render::HelpText().find("--scale") != std::string::npos);
    }

    // Each refusal names what is wrong.
    void refusesBadRequests_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("named");
        QTest::newRow("nothing") << QString() << QStringLiteral("missing --birth");
        QTest::newRow("no report") << QStringLiteral("--birth 1980-01-04 --output a.png")
                                   << QStringLiteral("missing --report");
        QTest::newRow("no output") << QStringLiteral("--birth 1980-01-04 --report 1980-01-04")
                                   << QStringLiteral("missing --output");
        QTest::newRow("unknown option") << QStringLiteral("--birth 1980-01-04 --colour red")
                                        << QStringLiteral("unknown option --colour");
        QTest::newRow("stray argument") << QStringLiteral("--birth 1980-01-04 extra")
                                        << QStringLiteral("unexpected argument extra");
        QTest::newRow("line break in an argument")
            << QStringLiteral("--birth 1980-01-04 a\nb") << QStringLiteral("unexpected argument a\\nb");
        QTest::newRow("control characters in a value") << QStringLiteral("--birth 1980\r01\x1b"
                                                                         "04 --report 2024-01-01 --output a.png")
                                                       << QStringLiteral("--birth: '1980\\r01\\x1b04'");
        QTest::newRow("value missing") << QStringLiteral("--report 1980-01-04 --birth")
                                       << QStringLiteral("--birth needs a value");
        QTest::newRow("born tomorrow") << QStringLiteral("--birth 2024-03-18 --report 2024-01-01 --output a.png")
                                       << QStringLiteral("--birth: '2024-03-18' is after today");
        QTest::newRow("second born tomorrow")
            << QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --compare 2024-03-18 --output a.png")
            << QStringLiteral("--compare: '2024-03-18' is after today");
        QTest::newRow("report before the years")
            << QStringLiteral("--birth 1980-01-04 --report 1899-12-31 --output a.png")
            << QStringLiteral("--report: '1899-12-31'");
        QTest::newRow("given twice") << QStringLiteral("--birth 1980-01-04 --birth 1981-01-04")
                                     << QStringLiteral("--birth is given more than once");
        QTest::newRow("no such day") << QStringLiteral("--birth 2023-02-29 --report 2024-01-01 --output a.png")
                                     << QStringLiteral("'2023-02-29'");
        QTest::newRow("thirteenth month") << QStringLiteral("--birth 2023-01-01 --report 2024-13-01 --output a.png")
                                          << QStringLiteral("--report: '2024-13-01'");
        QTest::newRow("other date form") << QStringLiteral("--birth 4/1/1980 --report 2024-01-01 --output a.png")
                                         << QStringLiteral("--birth: '4/1/1980'");
        QTest::newRow("short month") << QStringLiteral("--birth 1980-1-04 --report 2024-01-01 --output a.png")
                                     << QStringLiteral("--birth");
        QTest::newRow("empty output") << QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --output=")
                                      << QStringLiteral("--output");
        QTest::newRow("scale 0") << QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --output a.png --scale 0")
                                 << QStringLiteral("--scale: '0'");
        QTest::newRow("scale 5") << QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --output a.png --scale 5")
                                 << QStringLiteral("--scale: '5'");
        QTest::newRow("scale 1.5") << QStringLiteral(
            "--birth 1980-01-04 --report 2024-01-01 --output a.png --scale 1.5")
                                   << QStringLiteral("--scale: '1.5'");
        QTest::newRow("huge scale") << QStringLiteral(
            "--birth 1980-01-04 --report 2024-01-01 --output a.png --scale 99999999999999999999")
                                    << QStringLiteral("--scale");
        // Names the People list refuses.
        QTest::newRow("ideographic spaces only")
            << QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --critical a.ics --name \u3000\u3000")
            << QStringLiteral("--name:");
        QTest::newRow("line separator") << QStringLiteral(
            "--birth 1980-01-04 --report 2024-01-01 --critical a.ics --name Anna\u2028Berg")
                                        << QStringLiteral("--name:");
        // Extra cycles: names of the table's extra rows, each once.
        QTest::newRow("unknown cycle") << QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --values - "
                                                         "--cycles intuitive,mystic")
                                       << QStringLiteral("'mystic' is not one of intuitive");
        QTest::newRow("classical cycle") << QStringLiteral(
            "--birth 1980-01-04 --report 2024-01-01 --values - --cycles physical")
                                         << QStringLiteral("--cycles: 'physical'");
        QTest::newRow("cycle twice") << QStringLiteral(
            "--birth 1980-01-04 --report 2024-01-01 --output a.png --cycles average,wisdom,average")
                                     << QStringLiteral("'average' is given more than once");
        QTest::newRow("empty cycle") << QStringLiteral(
            "--birth 1980-01-04 --report 2024-01-01 --output a.png --cycles wisdom,")
                                     << QStringLiteral("--cycles: ''");
        QTest::newRow("cycles for the critical days")
            << QStringLiteral("--birth 1980-01-04 --report 2024-01-01 --critical a.ics --cycles wisdom")
            << QStringLiteral("--cycles needs");
    }

    void refusesBadRequests()
    {
        QFETCH(QString, line);
        QFETCH(QString, named);
        const render::ParsedArguments parsed = render::ParseArguments(Split(line), kToday);
        const auto* error = std::get_if<render::UsageError>(&parsed);
        QVERIFY(error);
        const QString message = QString::fromStdString(error->message);
        QVERIFY2(message.contains(named), qPrintable(message));
        QVERIFY(!message.contains(QLatin1Char('\n')));
    }
};

QTEST_GUILESS_MAIN(RenderOptionsTest)
#include "tst_RenderOptions.moc"
