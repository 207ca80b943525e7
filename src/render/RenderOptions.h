#pragma once

// The command line of the chart renderer, read without the toolkit so that
// its rules are tested alone.

#include <chrono>
#include <string>
#include <variant>
#include <vector>

namespace render {

struct RenderOptions {
    std::chrono::year_month_day birth;
    std::chrono::year_month_day report;
    std::string output;
    int scale = 1; // device pixels per logical pixel
};

struct HelpRequest { };

// What went wrong, in one line that names the option or argument at fault.
struct UsageError {
    std::string message;
};

using ParsedArguments = std::variant<RenderOptions, HelpRequest, UsageError>;

// The arguments after the program name. Options take their value as the next
// argument or after "=". --birth, --report and --output are required; --scale
// is 1 to 4. --help or -h anywhere asks for the help text.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

std::string HelpText();

} // namespace render
