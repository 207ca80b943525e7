#include "VirtualDisplay.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace bench {
namespace {

std::vector<std::string> InheritedEnvironment()
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry)
        variables.emplace_back(*entry);
    return variables;
}

std::vector<std::string> ServerCommand()
{
    // -displayfd both picks a free display and tells when the server is ready;
    // no TCP listener, and no reset when the last client leaves, so that every
    // run meets the same server state.
    return { "Xvfb", "-displayfd", std::to_string(ChildProcess::kReportFd), "-screen", "0", VirtualDisplay::kScreen,
        "-nolisten", "tcp", "-noreset" };
}

} // namespace

VirtualDisplay::VirtualDisplay(const std::string& logPath, std::chrono::seconds timeout)
    : server(ServerCommand(), InheritedEnvironment(), logPath)
{
    const std::optional<std::string> report
        = server.ReadReport(std::chrono::steady_clock::now() + timeout, /*untilEnd=*/false);
    if (!report || report->empty() || report->find_first_not_of("0123456789\n") != std::string::npos)
        throw std::runtime_error("Xvfb did not report a display; it wrote:\n" + server.OutputTail());
    // Formatted rather than joined as strings: GCC 12 warns falsely
    // (-Wrestrict) on building this short string at -O2.
    char display[16];
    std::snprintf(display, sizeof display, ":%d", std::stoi(*report));
    name = display;
}

VirtualDisplay::~VirtualDisplay()
{
    // A polite end lets Xvfb remove its lock file and socket.
    server.Stop(std::chrono::steady_clock::now() + std::chrono::seconds(5));
}

} // namespace bench
