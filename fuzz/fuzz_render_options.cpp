// The renderer's command line. Input: the arguments, each ended by a NUL byte
// (the one byte no argument can hold), the first of them today's date as
// YYYY-MM-DD; a first argument that is no such date leaves today at
// 8 December 2026.
//
// Only the reading of the arguments is fuzzed: the whole renderer per input,
// a program started with Qt and its fonts that draws and writes files, takes
// a tenth of a second or more, hundreds of times the reading, far too slow
// to explore the options; the outputs have tests of their own.

#include "FuzzCheck.h"
#include "people/BirthdayRange.h"
#include "people/PeopleList.h"
#include "render/RenderOptions.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using std::chrono::year_month_day;

std::vector<std::string> Arguments(std::string_view text)
{
    std::vector<std::string> arguments;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\0'), text.size());
        arguments.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return arguments;
}

std::optional<year_month_day> IsoDate(const std::string& text)
{
    unsigned year = 0;
    unsigned month = 0;
    unsigned day = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4u-%2u-%2u%c", &year, &month, &day, &tail) != 3)
        return std::nullopt;
    const year_month_day date { std::chrono::year { static_cast<int>(year) }, std::chrono::month { month },
        std::chrono::day { day } };
    return date.ok() ? std::optional(date) : std::nullopt;
}

std::string Extension(const std::string& path)
{
    std::string extension = path.substr(std::min(path.size(), path.find_last_of('.') + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return extension;
}

bool GivenAsValue(const std::vector<std::string>& arguments, const std::string& value)
{
    return std::any_of(arguments.begin(), arguments.end(), [&](const std::string& argument) {
        return argument == value || (argument.size() > value.size() && argument.ends_with("=" + value));
    });
}

// A name as the people's list keeps one (its own rule, which the renderer
// shares): trimmed, and refused for nothing but a duplicate.
void CheckName(const QString& name)
{
    FUZZ_CHECK(people::TrimmedName(name) == name);
    FUZZ_CHECK(people::CheckName(name) == people::Refusal::None);
}

void CheckBirthday(year_month_day birthday, year_month_day today)
{
    FUZZ_CHECK(people::CheckBirthday(birthday, today) == people::BirthdayFault::None);
}

void CheckOptions(const render::RenderOptions& options, const std::vector<std::string>& arguments, year_month_day today)
{
    CheckBirthday(options.person.birthday, today);
    FUZZ_CHECK(options.report.ok());
    FUZZ_CHECK(
        options.report.year() >= std::chrono::year { 1900 } && options.report.year() <= std::chrono::year { 2099 });
    FUZZ_CHECK(!options.output.empty() || !options.values.empty() || !options.critical.empty()
        || !options.planner.empty() || !options.compatibility.empty());
    for (const std::string* file :
        { &options.output, &options.values, &options.critical, &options.planner, &options.compatibility })
        FUZZ_CHECK(file->empty() || GivenAsValue(arguments, *file));

    FUZZ_CHECK(options.scale >= 1 && options.scale <= 4);
    FUZZ_CHECK(options.months >= 1 && options.months <= (options.planner.empty() ? 24 : 12));
    if (!options.output.empty())
        FUZZ_CHECK(Extension(options.output) == (options.format == render::OutputFormat::Pdf ? "pdf" : "png"));
    if (!options.planner.empty()) {
        FUZZ_CHECK(Extension(options.planner) == (options.plannerFormat == render::OutputFormat::Pdf ? "pdf" : "png"));
        FUZZ_CHECK(options.planner != options.output);
    }
    if (!options.critical.empty())
        FUZZ_CHECK(options.critical == "-"
            || Extension(options.critical)
                == (options.criticalFormat == render::CriticalFormat::Calendar ? "ics" : "csv"));
    if (options.lineStyles)
        FUZZ_CHECK(options.format == render::OutputFormat::Png && !options.output.empty());
    // Extra cycles only where they are drawn or listed, and never a
    // classical one among them.
    if (!options.cycles.Empty()) {
        FUZZ_CHECK(!options.output.empty() || !options.values.empty() || !options.planner.empty()
            || !options.compatibility.empty());
        FUZZ_CHECK(chart::CycleChoice::FromNames(options.cycles.Names()) == options.cycles);
    }
    // Standard output takes one output at most.
    FUZZ_CHECK((options.values == "-") + (options.critical == "-") + (options.compatibility == "-") <= 1);

    if (!options.person.name.isEmpty())
        CheckName(options.person.name);
    if (options.compare) {
        if (!options.compare->name.isEmpty())
            CheckName(options.compare->name);
        CheckBirthday(options.compare->birthday, today);
        FUZZ_CHECK(!options.output.empty() || !options.compatibility.empty());
    } else {
        FUZZ_CHECK(options.compatibility.empty());
    }
    if (!options.compatibility.empty())
        FUZZ_CHECK(options.compatibility == "-" || Extension(options.compatibility) == "csv");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments = Arguments(fuzz::AsText(data, size));
    year_month_day today { std::chrono::year { 2026 }, std::chrono::December, std::chrono::day { 8 } };
    if (!arguments.empty()) {
        if (const auto given = IsoDate(arguments.front()))
            today = *given;
        arguments.erase(arguments.begin());
    }

    const render::ParsedArguments parsed = render::ParseArguments(arguments, today);
    const bool helpAsked = std::any_of(arguments.begin(), arguments.end(),
        [](const std::string& argument) { return argument == "--help" || argument == "-h"; });
    FUZZ_CHECK(std::holds_alternative<render::HelpRequest>(parsed) == helpAsked);
    if (const auto* error = std::get_if<render::UsageError>(&parsed)) {
        // Printed as one line on standard error, before " (see --help)".
        FUZZ_CHECK(!error->message.empty());
        FUZZ_CHECK(error->message.find_first_of("\r\n") == std::string::npos);
    } else if (const auto* options = std::get_if<render::RenderOptions>(&parsed)) {
        CheckOptions(*options, arguments, today);
    }
    return 0;
}
