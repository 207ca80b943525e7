#include "ChildProcess.h"

#include "MonotonicClock.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {
namespace {

std::string SystemError(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

// posix_spawn takes arrays of C strings ending in a null pointer.
std::vector<char*> CStrings(const std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (const std::string& text : strings)
        pointers.push_back(const_cast<char*>(text.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

class FileActions {
public:
    FileActions() { posix_spawn_file_actions_init(&actions); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* Get() { return &actions; }

private:
    posix_spawn_file_actions_t actions {};
};

} // namespace

ChildProcess::ChildProcess(
    const std::vector<std::string>& argv, const std::vector<std::string>& environment, const std::string& logPath)
    : logPath(logPath)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error(SystemError("pipe2", errno));
    reportFd = pipeFds[0];
    int writeEnd = pipeFds[1];
    // dup2 onto the same number would keep close-on-exec set, and the child
    // would never see its report descriptor.
    if (writeEnd == kReportFd) {
        const int moved = fcntl(writeEnd, F_DUPFD_CLOEXEC, kReportFd + 1);
        const int error = errno;
        close(writeEnd);
        if (moved < 0) {
            close(reportFd);
            throw std::runtime_error(SystemError("fcntl", error));
        }
        writeEnd = moved;
    }

    FileActions actions;
    posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.Get(), STDOUT_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(actions.Get(), STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_adddup2(actions.Get(), writeEnd, kReportFd);

    const std::vector<char*> arguments = CStrings(argv);
    const std::vector<char*> variables = CStrings(environment);
    // posix_spawn shares our memory until the exec, so the child's peak
    // resident size starts from ours; this harness stays at a few MiB, well
    // below what any Qt program reaches.
    startedNs = MonotonicNanoseconds();
    const int error = argv.at(0).find('/') == std::string::npos
        ? posix_spawnp(&pid, arguments[0], actions.Get(), nullptr, arguments.data(), variables.data())
        : posix_spawn(&pid, arguments[0], actions.Get(), nullptr, arguments.data(), variables.data());
    // Only the child may hold the write end, so that its end is our end of file.
    close(writeEnd);
    if (error != 0) {
        close(reportFd);
        throw std::runtime_error(SystemError("cannot start " + argv[0], error));
    }
}

ChildProcess::~ChildProcess()
{
    if (pid > 0) {
        kill(pid, SIGKILL);
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    }
    if (reportFd >= 0)
        close(reportFd);
}

std::optional<std::string> ChildProcess::ReadReport(Deadline deadline, bool untilEnd)
{
    std::string report;
    for (;;) {
        const auto left
            = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        pollfd watched { reportFd, POLLIN, 0 };
        const int ready = poll(&watched, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            throw std::runtime_error(SystemError("poll", errno));
        if (ready == 0)
            return std::nullopt;
        char buffer[512];
        const ssize_t got = read(reportFd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw std::runtime_error(SystemError("read", errno));
        if (got == 0)
            return report;
        report.append(buffer, static_cast<std::size_t>(got));
        if (!untilEnd && report.find('\n') != std::string::npos)
            return report;
    }
}

ChildProcess::Ending ChildProcess::Wait()
{
    Ending ending;
    while (wait4(pid, &ending.status, 0, &ending.usage) < 0) {
        if (errno != EINTR)
            throw std::runtime_error(SystemError("wait4", errno));
    }
    pid = -1;
    return ending;
}

void ChildProcess::Stop(Deadline deadline)
{
    kill(pid, SIGTERM);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid || (ended < 0 && errno != EINTR)) {
            pid = -1;
            return;
        }
        usleep(5000);
    }
    Kill();
}

void ChildProcess::Kill()
{
    kill(pid, SIGKILL);
    Wait();
}

std::string ChildProcess::OutputTail(std::size_t maxChars) const
{
    std::ifstream in(logPath, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.size() > maxChars ? text.substr(text.size() - maxChars) : text;
}

std::string DescribeStatus(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    return "ended with wait status " + std::to_string(status);
}

} // namespace bench
