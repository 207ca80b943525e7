#pragma once

// The command line of the chart renderer, read without a window so that its
// rules are tested alone. QtCore only for the people's names, which follow the
// People list's rule.

#include "chart/BiorhythmCycle.h"
#include "people/PeopleList.h"

#include <chrono>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace render {

// What the output's extension asks for: the chart area as a picture, or the
// printed report page.
enum class OutputFormat { Png, Pdf };
enum class PageSize { A4, Letter };
// The critical days' file: an iCalendar file of events, or CSV.
enum class CriticalFormat { Calendar, Csv };

struct RenderOptions {
    // --birth, and --name for the critical days' calendar events and the
    // comparison's legend (empty without it).
    people::Person person;
    std::chrono::year_month_day report;
    std::string output; // empty when only the values are asked for
    OutputFormat format = OutputFormat::Png;
    int scale = 1; // device pixels per logical pixel
    PageSize page = PageSize::A4;
    std::string values; // the value table's CSV file, "-" for standard output, empty for none
    std::string critical; // the critical days' file, "-" for CSV on standard output, empty for none
    CriticalFormat criticalFormat = CriticalFormat::Csv;
    int months = 3; // of critical days from the report day on, of the planner from the first of its month
    std::string planner; // the months ahead as a PDF or PNG, empty for none
    OutputFormat plannerFormat = OutputFormat::Pdf;
    bool lineStyles = false; // the PNG chart's curves in their line styles
    chart::CycleChoice cycles; // --cycles: the extra cycles beside the classical three
    // The second person of a comparison, --compare and --compare-name: the
    // output is then the chart or page of both people.
    std::optional<people::Person> compare;
    std::string compatibility; // the figures' CSV file, "-" for standard output, empty for none
};

struct HelpRequest { };

// What went wrong, in one line that names the option or argument at fault.
struct UsageError {
    std::string message;
};

using ParsedArguments = std::variant<RenderOptions, HelpRequest, UsageError>;

// The arguments after the program name. Options take their value as the next
// argument or after "="; a next argument that starts with "--" is the next
// option, not a value. --birth and --report are required, and one or more
// of --output, --values, --critical, --planner and --compatibility; the
// output's and the planner's extension (.png or .pdf, in any case) picks its
// format, and the critical days' (.ics or .csv) theirs. --scale is 1 to 4,
// --page a4 or letter, --months 1 to 24 with --critical and 1 to 12 with
// --planner. --line-styles takes no value and needs a PNG --output.
// --cycles takes extra cycles' lower-case names joined by commas, each once,
// and needs --output, --values, --planner or --compatibility.
// The dates are those the program's windows take: --birth and --compare are
// birthdays from 1 January 1900 to today, --report a day in the main
// window's report years, 1900 to 2099. --compare asks for --output,
// --compatibility or both; --compatibility and --compare-name need
// --compare. --name and --compare-name are names the People list would take
// (people::CheckName), blanks at the ends dropped; two people may share one.
// --help or -h anywhere asks for the help text.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments, std::chrono::year_month_day today);

std::string HelpText();

} // namespace render
