#pragma once

// A child process started with posix_spawn, for the start-up benchmark.
//
// Standard input comes from /dev/null, standard output and error go to a log
// file, and descriptor 3 is the write end of a pipe whose read end the parent
// keeps: the child reports on it (the first-paint probe, Xvfb's -displayfd).
// A child still running when the object goes is killed and reaped.

#include <chrono>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

namespace bench {

class ChildProcess {
public:
    // The descriptor the child writes its report to.
    static constexpr int kReportFd = 3;

    using Deadline = std::chrono::steady_clock::time_point;

    struct Ending {
        int status = 0; // as from wait4
        rusage usage {};
    };

    // Starts argv[0], looked up in PATH when it has no slash. environment
    // replaces the parent's environment entirely. Throws std::runtime_error.
    ChildProcess(
        const std::vector<std::string>& argv, const std::vector<std::string>& environment, const std::string& logPath);
    ~ChildProcess();

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // CLOCK_MONOTONIC nanoseconds taken just before the child was spawned.
    long long StartedNs() const { return startedNs; }

    // Collects what the child writes to its report descriptor, up to the first
    // newline or, with untilEnd, until the child closes the descriptor (as it
    // does when it ends). Nothing (nullopt) when the deadline passes first.
    std::optional<std::string> ReadReport(Deadline deadline, bool untilEnd);

    // Waits for the child to end and takes its status and resource usage.
    Ending Wait();

    // Asks the child to end with SIGTERM, kills it when it has not ended by
    // the deadline, and reaps it.
    void Stop(Deadline deadline);

    // Ends the child at once and reaps it.
    void Kill();

    // The last maxChars characters the child wrote to its standard output
    // and error, for a message about what went wrong.
    std::string OutputTail(std::size_t maxChars = 2000) const;

private:
    pid_t pid = -1;
    int reportFd = -1;
    long long startedNs = 0;
    std::string logPath;
};

// "exited with status 1", "killed by signal 11", for messages.
std::string DescribeStatus(int status);

} // namespace bench
