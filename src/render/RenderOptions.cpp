#include "render/RenderOptions.h"

#include "chart/Planner.h"
#include "chart/ValueTable.h"
#include "people/BirthdayRange.h"
#include "ui/dates/DateEntry.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace render {
namespace {

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int DigitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// YYYY-MM-DD and nothing else; the date must exist.
std::optional<std::chrono::year_month_day> ReadIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const std::string_view year = text.substr(0, 4);
    const std::string_view month = text.substr(5, 2);
    const std::string_view day = text.substr(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day))
        return std::nullopt;
    const std::chrono::year_month_day date { std::chrono::year { DigitsValue(year) },
        std::chrono::month { static_cast<unsigned>(DigitsValue(month)) },
        std::chrono::day { static_cast<unsigned>(DigitsValue(day)) } };
    if (!date.ok())
        return std::nullopt;
    return date;
}

// Why the birthday given to option as text is not one the people's list
// would take; none when it is.
std::optional<UsageError> BirthdayError(std::string_view option, const std::string& text,
    std::chrono::year_month_day birthday, std::chrono::year_month_day today)
{
    switch (people::CheckBirthday(birthday, today)) {
    case people::BirthdayFault::TooEarly:
        return UsageError { std::string(option) + ": '" + text + "' is before "
            + std::to_string(static_cast<int>(people::kFirstBirthday.year())) };
    case people::BirthdayFault::InTheFuture:
        return UsageError { std::string(option) + ": '" + text + "' is after today, " + chart::IsoDate(today) };
    case people::BirthdayFault::None:
        break;
    }
    return std::nullopt;
}

struct Collected {
    std::optional<std::string> birth;
    std::optional<std::string> report;
    std::optional<std::string> output;
    std::optional<std::string> scale;
    std::optional<std::string> page;
    std::optional<std::string> values;
    std::optional<std::string> critical;
    std::optional<std::string> months;
    std::optional<std::string> planner;
    bool lineStyles = false;
    std::optional<std::string> cycles;
    std::optional<std::string> name;
    std::optional<std::string> compare;
    std::optional<std::string> compareName;
    std::optional<std::string> compatibility;
};

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

// The extension of the file name, after the last dot that follows the last
// folder separator; empty when there is none.
std::string Extension(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos || dot == 0 ? std::string() : Lowered(name.substr(dot + 1));
}

// The options of people and their comparison.
std::optional<std::string>* PeopleSlot(Collected& collected, std::string_view name)
{
    if (name == "--name")
        return &collected.name;
    if (name == "--compare")
        return &collected.compare;
    if (name == "--compare-name")
        return &collected.compareName;
    if (name == "--compatibility")
        return &collected.compatibility;
    return nullptr;
}

// A person's name as the People list keeps one, from the command line's
// UTF-8; none when the list would refuse it.
std::optional<QString> ReadName(const std::string& text)
{
    const QString name = people::TrimmedName(QString::fromStdString(text));
    if (people::CheckName(name) != people::Refusal::None)
        return std::nullopt;
    return name;
}

UsageError NameError(std::string_view option)
{
    return UsageError { std::string(option) + ": a name is 1 to " + std::to_string(people::kMaxNameLength)
        + " characters without control characters" };
}

std::optional<UsageError> ReadPeopleOptions(
    const Collected& collected, std::chrono::year_month_day today, RenderOptions& options)
{
    if (collected.name) {
        const auto name = ReadName(*collected.name);
        if (!name)
            return NameError("--name");
        options.person.name = *name;
    }
    if (!collected.compare) {
        for (const auto& [given, option] : { std::pair { &collected.compatibility, "--compatibility" },
                 std::pair { &collected.compareName, "--compare-name" } })
            if (given->has_value())
                return UsageError { std::string(option) + " needs --compare" };
        return std::nullopt;
    }
    const auto second = ReadIsoDate(*collected.compare);
    if (!second)
        return UsageError { "--compare: '" + *collected.compare + "' is not a date of the form YYYY-MM-DD" };
    if (auto error = BirthdayError("--compare", *collected.compare, *second, today))
        return error;
    if (!collected.output && !collected.compatibility)
        return UsageError { "--compare needs --output or --compatibility" };
    options.compare = people::Person { QString(), *second };
    if (collected.compareName) {
        const auto name = ReadName(*collected.compareName);
        if (!name)
            return NameError("--compare-name");
        options.compare->name = *name;
    }
    if (collected.compatibility) {
        const std::string& file = *collected.compatibility;
        if (file.empty())
            return UsageError { "--compatibility: the file name is empty" };
        if (file != "-" && Extension(file) != "csv")
            return UsageError { "--compatibility: '" + file + "' has no known extension (.csv)" };
        if (file == "-" && (options.values == "-" || options.critical == "-"))
            return UsageError { "--compatibility: standard output already takes another output" };
        options.compatibility = file;
    }
    return std::nullopt;
}

std::optional<std::string>* Slot(Collected& collected, std::string_view name)
{
    if (name == "--birth")
        return &collected.birth;
    if (name == "--report")
        return &collected.report;
    if (name == "--output")
        return &collected.output;
    if (name == "--scale")
        return &collected.scale;
    if (name == "--page")
        return &collected.page;
    if (name == "--values")
        return &collected.values;
    if (name == "--critical")
        return &collected.critical;
    if (name == "--months")
        return &collected.months;
    if (name == "--planner")
        return &collected.planner;
    if (name == "--cycles")
        return &collected.cycles;
    return PeopleSlot(collected, name);
}

// "intuitive, aesthetic, ...": the names --cycles takes.
std::string ExtraCycleNames()
{
    std::string names;
    for (std::size_t i = chart::kClassicalCount; i < chart::kEveryCycle.size(); ++i)
        names += (names.empty() ? "" : ", ") + chart::LowerCaseName(chart::kEveryCycle[i]);
    return names;
}

std::optional<UsageError> ReadCycles(const Collected& collected, RenderOptions& options)
{
    if (!collected.cycles)
        return std::nullopt;
    const std::string& list = *collected.cycles;
    if (options.output.empty() && options.values.empty() && options.planner.empty() && !collected.compatibility)
        return UsageError { "--cycles needs --output, --values, --planner or --compatibility" };
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        const auto one = chart::CycleChoice::FromNames(name);
        if (name.empty() || !one)
            return UsageError { "--cycles: '" + name + "' is not one of " + ExtraCycleNames() };
        if (!chart::CycleChoice::FromNames(list.substr(0, comma)))
            return UsageError { "--cycles: '" + name + "' is given more than once" };
        start = comma + 1;
    }
    options.cycles = *chart::CycleChoice::FromNames(list);
    return std::nullopt;
}

// The message as one line on a terminal: an argument quoted in it may hold
// line breaks or other control characters, written here as escapes.
std::string OnOneLine(const std::string& message)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line;
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if ((byte < 0x20 && c != '\t') || byte == 0x7F)
            line += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
        else
            line += c;
    }
    return line;
}

ParsedArguments ReadArguments(const std::vector<std::string>& arguments, std::chrono::year_month_day today)
{
    if (std::any_of(arguments.begin(), arguments.end(),
            [](const std::string& argument) { return argument == "--help" || argument == "-h"; }))
        return HelpRequest {};

    Collected collected;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (name == "--line-styles") {
            if (equals != std::string_view::npos)
                return UsageError { "--line-styles takes no value" };
            if (collected.lineStyles)
                return UsageError { "--line-styles is given more than once" };
            collected.lineStyles = true;
            continue;
        }
        std::optional<std::string>* slot = Slot(collected, name);
        if (slot == nullptr) {
            if (argument.starts_with("-"))
                return UsageError { "unknown option " + std::string(name) };
            return UsageError { "unexpected argument " + std::string(argument) };
        }
        if (slot->has_value())
            return UsageError { std::string(name) + " is given more than once" };
        if (equals != std::string_view::npos) {
            *slot = std::string(argument.substr(equals + 1));
        } else {
            // "--birth --report ..." leaves --birth without its date rather
            // than taking the next option's name for it.
            if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--"))
                return UsageError { std::string(name) + " needs a value" };
            *slot = arguments[++i];
        }
    }

    if (!collected.birth)
        return UsageError { "missing --birth" };
    if (!collected.report)
        return UsageError { "missing --report" };
    if (!collected.output && !collected.values && !collected.critical && !collected.planner && !collected.compatibility)
        return UsageError { "missing --output, --values, --critical, --planner or --compatibility" };

    RenderOptions options;
    const auto birth = ReadIsoDate(*collected.birth);
    if (!birth)
        return UsageError { "--birth: '" + *collected.birth + "' is not a date of the form YYYY-MM-DD" };
    if (auto error = BirthdayError("--birth", *collected.birth, *birth, today))
        return *error;
    const auto report = ReadIsoDate(*collected.report);
    if (!report)
        return UsageError { "--report: '" + *collected.report + "' is not a date of the form YYYY-MM-DD" };
    // The years of the main window's report year list.
    if (report->year() < std::chrono::year { ui::kFirstListedYear }
        || report->year() > std::chrono::year { ui::kLastReportYear })
        return UsageError { "--report: '" + *collected.report + "' is not in the years "
            + std::to_string(ui::kFirstListedYear) + " to " + std::to_string(ui::kLastReportYear) };
    options.person.birthday = *birth;
    options.report = *report;
    if (collected.output) {
        if (collected.output->empty())
            return UsageError { "--output: the file name is empty" };
        const std::string extension = Extension(*collected.output);
        if (extension == "pdf")
            options.format = OutputFormat::Pdf;
        else if (extension != "png")
            return UsageError { "--output: '" + *collected.output + "' has no known extension (.png or .pdf)" };
        options.output = *collected.output;
    }
    if (collected.values) {
        if (collected.values->empty())
            return UsageError { "--values: the file name is empty" };
        options.values = *collected.values;
    }
    if (collected.critical) {
        const std::string& critical = *collected.critical;
        if (critical.empty())
            return UsageError { "--critical: the file name is empty" };
        const std::string extension = Extension(critical);
        if (extension == "ics")
            options.criticalFormat = CriticalFormat::Calendar;
        else if (extension != "csv" && critical != "-")
            return UsageError { "--critical: '" + critical + "' has no known extension (.ics or .csv)" };
        if (critical == "-" && options.values == "-")
            return UsageError { "--critical: standard output already takes the values" };
        options.critical = critical;
    }
    if (collected.months) {
        // 1 to 24, digits only, no leading zero.
        const std::string& months = *collected.months;
        if (!AllDigits(months) || months.size() > 2 || months.front() == '0' || DigitsValue(months) > 24)
            return UsageError { "--months: '" + months + "' is not a number of months from 1 to 24" };
        if (!collected.critical && !collected.planner)
            return UsageError { "--months needs --critical or --planner" };
        if (collected.planner && DigitsValue(months) > chart::kMostPlannerMonths)
            return UsageError { "--months: '" + months + "' is not a number of months from 1 to 12 for --planner" };
        options.months = DigitsValue(months);
    }
    if (collected.planner) {
        const std::string& planner = *collected.planner;
        if (planner.empty())
            return UsageError { "--planner: the file name is empty" };
        const std::string extension = Extension(planner);
        if (extension == "png")
            options.plannerFormat = OutputFormat::Png;
        else if (extension != "pdf")
            return UsageError { "--planner: '" + planner + "' has no known extension (.pdf or .png)" };
        if (planner == options.output)
            return UsageError { "--planner: '" + planner + "' is also the --output" };
        options.planner = planner;
    }
    if (collected.lineStyles) {
        if (options.output.empty() || options.format != OutputFormat::Png)
            return UsageError { "--line-styles needs a picture, --output FILE.png (the report page always has them)" };
        options.lineStyles = true;
    }
    if (collected.page) {
        const std::string page = Lowered(*collected.page);
        if (page == "letter")
            options.page = PageSize::Letter;
        else if (page != "a4")
            return UsageError { "--page: '" + *collected.page + "' is not a page size (a4 or letter)" };
    }
    if (collected.scale) {
        // A single digit 1 to 4: no sign, no leading zero, no blank.
        const std::string& scale = *collected.scale;
        if (scale.size() != 1 || scale.front() < '1' || scale.front() > '4')
            return UsageError { "--scale: '" + scale + "' is not a scale from 1 to 4" };
        options.scale = scale.front() - '0';
    }
    if (auto error = ReadPeopleOptions(collected, today, options))
        return *error;
    if (auto error = ReadCycles(collected, options))
        return *error;
    return options;
}

} // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& arguments, std::chrono::year_month_day today)
{
    ParsedArguments parsed = ReadArguments(arguments, today);
    if (auto* error = std::get_if<UsageError>(&parsed))
        error->message = OnOneLine(error->message);
    return parsed;
}

std::string HelpText()
{
    return "Usage: biorhythm-render --birth YYYY-MM-DD --report YYYY-MM-DD --output FILE.png [--scale N]\n"
           "       biorhythm-render --birth YYYY-MM-DD --report YYYY-MM-DD --output FILE.pdf [--page a4|letter]\n"
           "       biorhythm-render --birth YYYY-MM-DD --report YYYY-MM-DD --values FILE.csv\n"
           "       biorhythm-render --birth YYYY-MM-DD --report YYYY-MM-DD --critical FILE.ics|FILE.csv [--months N]\n"
           "       biorhythm-render --birth YYYY-MM-DD --report YYYY-MM-DD --planner FILE.pdf|FILE.png [--months N]\n"
           "       biorhythm-render --birth YYYY-MM-DD --report YYYY-MM-DD --compare YYYY-MM-DD\n"
           "                        [--output FILE.png|FILE.pdf] [--compatibility FILE.csv]\n"
           "\n"
           "Draws the biorhythm chart area for a birthday and a report day, as the\n"
           "program's window shows it after a chart request, and saves it as a PNG;\n"
           "or writes the printed report page as a PDF; or the 29 days' values as CSV;\n"
           "or the critical days from the report day on as calendar events or CSV;\n"
           "or the months ahead as a planner, printed pages (PDF) or a picture (PNG).\n"
           "\n"
           "  --birth YYYY-MM-DD   the birthday\n"
           "  --report YYYY-MM-DD  the report day, in the middle of the 28 days shown\n"
           "  --output FILE        where to write the picture (.png) or the report\n"
           "                       page (.pdf); an existing file is replaced only\n"
           "                       once the new one is complete\n"
           "  --scale N            device pixels per pixel, 1 to 4 (default 1):\n"
           "                       the picture is 431 x 431 pixels times N\n"
           "  --line-styles        the picture's curves in their line styles:\n"
           "                       physical solid, emotional dashed, intellectual\n"
           "                       dotted (the report page always has them)\n"
           "  --cycles LIST        extra cycles beside the classical three, names\n"
           "                       joined by commas: intuitive, aesthetic,\n"
           "                       awareness, spiritual (secondary), passion,\n"
           "                       mastery, wisdom, average (combined); for the\n"
           "                       picture, page, values, planner and comparison\n"
           "  --page SIZE          the report's and planner's page, a4 (default) or\n"
           "                       letter\n"
           "  --values FILE        the value table as CSV, - for standard output;\n"
           "                       --output may then be left out\n"
           "  --critical FILE      the critical days as an iCalendar file (.ics), one\n"
           "                       all-day event each, or as CSV (.csv, - for\n"
           "                       standard output); with or without the others\n"
           "  --planner FILE       the months ahead from the first day of the report\n"
           "                       day's month, as pages (.pdf: a month a page up\n"
           "                       to 3 months, else 3 a page) or as the planner\n"
           "                       window's calendar (.png)\n"
           "  --months N           how many months of critical days, 1 to 24\n"
           "                       (default 3), from the report day on; of the\n"
           "                       planner, 1 to 12 (default 3)\n"
           "  --name TEXT          the first person's name, for the critical days'\n"
           "                       events and the comparison's legend\n"
           "  --compare YYYY-MM-DD a second birthday: --output then draws both\n"
           "                       people's chart (the second dashed) or their page\n"
           "  --compare-name TEXT  the second person's name, for the legend\n"
           "  --compatibility FILE the compatibility of each cycle and on average as\n"
           "                       CSV (cycle,percent), - for standard output\n"
           "  -h, --help           show this text\n"
           "\n"
           "Runs without a display: Qt's offscreen platform is used unless\n"
           "QT_QPA_PLATFORM says otherwise. Exit status 0 on success, 2 for bad\n"
           "arguments or a file that cannot be written.\n";
}

} // namespace render
