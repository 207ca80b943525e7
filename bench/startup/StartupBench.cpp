// Start-up benchmark: how long our program takes from process start to the
// first complete paint of its main window, and how much memory it holds at its
// peak, side by side with a bare QMainWindow program of the same size built in
// the same configuration.
//
// The two programs run alternately, each with a clean environment of its own
// (HOME and the XDG folders in a temporary folder) and the first-paint probe
// preloaded; neither is changed for the measurement. One untimed run of each
// comes first: it seeds our program's settings store, so that the timed runs
// take the everyday path (no first write of the settings, no update question),
// and it brings both programs' files into the page cache. The start is taken
// just before posix_spawn, the end is the probe's reading of the same clock,
// and the peak resident size comes from wait4.
//
// bio_startup_bench [--runs N] [--platform xcb|offscreen] [--timeout SECONDS]
//                   [--program PATH] [--bare PATH] [--probe PATH]
//
// With xcb (the default) the programs show on the X display that DISPLAY
// names; scripts/benchmark runs it under xvfb-run. Exit status 0 when both targets are met, 2 when one is missed, 1 when a
// run fails or the command line is wrong.

#include "ChildProcess.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using bench::ChildProcess;

// Our program may take this much longer to start, and hold this much more
// memory at its peak, than the bare window.
constexpr double kStartupTarget = 1.3;
constexpr double kMemoryTarget = 1.1;

struct Options {
    int runs = 20;
    std::string platform = "xcb";
    int timeoutSeconds = 10;
    fs::path program = BIO_PROGRAM_PATH;
    fs::path bare = BIO_BARE_WINDOW_PATH;
    fs::path probe = BIO_FIRST_PAINT_PROBE_PATH;
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The line the first-paint probe writes.
struct ProbeReport {
    long long paintedNs = 0;
    std::string windowSize;
    std::string qtVersion;
    std::string platform;
};

// One of the two programs, with its own clean folders and its figures.
struct Contender {
    std::string label;
    fs::path executable;
    fs::path home;
    fs::path runtime;
    std::vector<double> startupMs;
    std::vector<double> peakRssMiB;
    ProbeReport lastReport;
};

int PositiveNumber(const std::string& flag, const std::string& text)
{
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value <= 0)
        throw UsageError(flag + " needs a positive whole number, not \"" + text + "\"");
    return value;
}

Options ParseOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--help" || flag == "-h")
            throw UsageError("");
        if (i + 1 >= argc)
            throw UsageError(flag + " needs a value");
        const std::string value = argv[++i];
        if (flag == "--runs")
            options.runs = PositiveNumber(flag, value);
        else if (flag == "--timeout")
            options.timeoutSeconds = PositiveNumber(flag, value);
        else if (flag == "--platform")
            options.platform = value;
        else if (flag == "--program")
            options.program = value;
        else if (flag == "--bare")
            options.bare = value;
        else if (flag == "--probe")
            options.probe = value;
        else
            throw UsageError("unknown option " + flag);
    }
    if (options.platform != "xcb" && options.platform != "offscreen")
        throw UsageError("--platform is xcb or offscreen, not \"" + options.platform + "\"");
    for (const fs::path* file : { &options.program, &options.bare, &options.probe }) {
        if (file->empty() || !fs::is_regular_file(*file))
            throw UsageError("no such program or library: \"" + file->string() + "\"");
    }
    options.probe = fs::absolute(options.probe);
    // LD_PRELOAD splits its list at blanks and colons.
    if (options.probe.string().find_first_of(" :\t") != std::string::npos)
        throw UsageError("the probe's path must not hold blanks or colons: " + options.probe.string());
    return options;
}

std::optional<ProbeReport> ParseReport(const std::string& line)
{
    std::istringstream in(line);
    ProbeReport report;
    if (!(in >> report.paintedNs >> report.windowSize >> report.qtVersion >> report.platform))
        return std::nullopt;
    return report;
}

// What the program wrote, where Qt's or the loader's complaint would be.
std::string OutputOf(const ChildProcess& child)
{
    const std::string output = child.OutputTail();
    return output.empty() ? "\n(the program wrote nothing)" : "\n--- what the program wrote ---\n" + output;
}

void MakeFolders(Contender& contender, const fs::path& root, const fs::path& runtimeRoot)
{
    contender.home = root / "home";
    contender.runtime = runtimeRoot / "runtime";
    fs::create_directories(contender.home / ".config");
    fs::create_directories(contender.home / ".cache");
    fs::create_directories(contender.runtime);
    // Qt refuses a runtime folder that others may enter.
    fs::permissions(contender.runtime, fs::perms::owner_all, fs::perm_options::replace);
}

std::vector<std::string> RunEnvironment(const Contender& contender, const Options& options, const std::string& display)
{
    std::vector<std::string> environment = {
        "PATH=/usr/local/bin:/usr/bin:/bin",
        "HOME=" + contender.home.string(),
        "XDG_CONFIG_HOME=" + (contender.home / ".config").string(),
        "XDG_CACHE_HOME=" + (contender.home / ".cache").string(),
        "XDG_RUNTIME_DIR=" + contender.runtime.string(),
        "LANG=C.UTF-8",
        "QT_QPA_PLATFORM=" + options.platform,
        "LD_PRELOAD=" + options.probe.string(),
        "BIO_FIRST_PAINT_FD=" + std::to_string(ChildProcess::kReportFd),
    };
    if (!display.empty()) {
        environment.push_back("DISPLAY=" + display);
        // The display's key, which xvfb-run keeps in a file of its own.
        if (const char* authority = std::getenv("XAUTHORITY"))
            environment.push_back(std::string("XAUTHORITY=") + authority);
    }
    return environment;
}

// One start of one program. Throws std::runtime_error when the program does
// not paint its main window in time or ends in any other way than the probe's.
void RunOnce(
    Contender& contender, const Options& options, const std::string& display, const fs::path& log, bool keepFigures)
{
    const std::vector<std::string> environment = RunEnvironment(contender, options, display);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.timeoutSeconds);

    ChildProcess child({ contender.executable.string() }, environment, log);
    const std::optional<std::string> reported = child.ReadReport(deadline, /*untilEnd=*/true);
    if (!reported) {
        child.Kill();
        throw std::runtime_error(contender.label + ": did not paint its main window and end within "
            + std::to_string(options.timeoutSeconds) + " s; the run was killed" + OutputOf(child));
    }
    const ChildProcess::Ending ending = child.Wait();

    // The probe ends the program without its clean-up, so its single-instance
    // lock stays behind; the next run must not meet it.
    for (const fs::directory_entry& entry : fs::directory_iterator(contender.runtime))
        fs::remove_all(entry.path());

    const std::optional<ProbeReport> report = ParseReport(*reported);
    if (!report || !WIFEXITED(ending.status) || WEXITSTATUS(ending.status) != 0) {
        throw std::runtime_error(contender.label + " " + bench::DescribeStatus(ending.status)
            + (report ? "" : " without painting its main window") + OutputOf(child));
    }
    if (keepFigures) {
        contender.startupMs.push_back(static_cast<double>(report->paintedNs - child.StartedNs()) / 1e6);
        // ru_maxrss is in KiB on Linux.
        contender.peakRssMiB.push_back(static_cast<double>(ending.usage.ru_maxrss) / 1024.0);
    }
    contender.lastReport = *report;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double Min(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

double Max(const std::vector<double>& values)
{
    return *std::max_element(values.begin(), values.end());
}

std::string CpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const std::size_t colon = line.find(':');
            if (colon != std::string::npos)
                return line.substr(line.find_first_not_of(' ', colon + 1));
        }
    }
    return "unknown CPU";
}

std::string Kernel()
{
    utsname name {};
    if (uname(&name) != 0)
        return "unknown system";
    return std::string(name.sysname) + " " + name.release;
}

bool PrintTable(const std::vector<Contender>& contenders, const Options& options, const std::string& display)
{
    const Contender& bare = contenders.at(0);
    const Contender& ours = contenders.at(1);

    std::printf(
        "\nStart-up to the main window's first complete paint, %d timed runs of each, alternating\n", options.runs);
    std::printf("Machine:  %s, %ld cores, %s\n", CpuModel().c_str(), sysconf(_SC_NPROCESSORS_ONLN), Kernel().c_str());
    std::printf(
        "Qt:       %s, platform plugin %s", ours.lastReport.qtVersion.c_str(), ours.lastReport.platform.c_str());
    if (!display.empty())
        std::printf(" on X display %s", display.c_str());
    std::printf("\n\n");

    std::printf(
        "%-34s %10s %8s %8s %16s  %s\n", "program", "median ms", "min ms", "max ms", "median RSS MiB", "window");
    for (const Contender& contender : contenders) {
        std::printf("%-34s %10.1f %8.1f %8.1f %16.1f  %s\n", contender.label.c_str(), Median(contender.startupMs),
            Min(contender.startupMs), Max(contender.startupMs), Median(contender.peakRssMiB),
            contender.lastReport.windowSize.c_str());
    }
    const double startupRatio = Median(ours.startupMs) / Median(bare.startupMs);
    const double minRatio = Min(ours.startupMs) / Min(bare.startupMs);
    const double memoryRatio = Median(ours.peakRssMiB) / Median(bare.peakRssMiB);
    std::printf("%-34s %10.2f %8.2f %8s %16.2f\n", "ratio (ours / bare)", startupRatio, minRatio, "", memoryRatio);
    std::printf("%-34s %7s%.2f %8s %8s %13s%.2f\n\n", "target", "<= ", kStartupTarget, "", "", "<= ", kMemoryTarget);

    if (bare.lastReport.windowSize != ours.lastReport.windowSize)
        std::printf("Warning: the two windows differ in size, so the comparison is not like for like.\n");
    const bool startupMet = startupRatio <= kStartupTarget;
    const bool memoryMet = memoryRatio <= kMemoryTarget;
    std::printf("Start-up: %s (%.2f).  Peak memory: %s (%.2f).\n", startupMet ? "within target" : "TARGET MISSED",
        startupRatio, memoryMet ? "within target" : "TARGET MISSED", memoryRatio);
    return startupMet && memoryMet;
}

int Benchmark(const Options& options)
{
    const bench::TempFolder root("bio-startup-bench");
    // A desktop session's runtime folder (/run/user/<uid>) lives in memory; so
    // does this one where the machine has a tmpfs at /dev/shm, or a lock file
    // written there would be timed against the disk.
    const fs::path shm = "/dev/shm";
    std::error_code noShm;
    const bench::TempFolder runtimeRoot(
        "bio-startup-bench", fs::is_directory(shm, noShm) ? shm : fs::temp_directory_path());
    const char* display = std::getenv("DISPLAY");
    if (options.platform == "xcb" && (display == nullptr || *display == '\0'))
        throw std::runtime_error("xcb needs an X display: run under xvfb-run -a, or with --platform offscreen");
    const std::string displayName = options.platform == "xcb" ? std::string(display) : std::string();

    std::vector<Contender> contenders(2);
    contenders[0].label = "bare QMainWindow";
    contenders[0].executable = options.bare;
    contenders[1].label = options.program.filename().string();
    contenders[1].executable = options.program;
    for (std::size_t i = 0; i < contenders.size(); ++i)
        MakeFolders(contenders[i], root.Path() / ("program" + std::to_string(i)),
            runtimeRoot.Path() / ("program" + std::to_string(i)));

    const fs::path log = root.Path() / "run.log";
    for (Contender& contender : contenders)
        RunOnce(contender, options, displayName, log, /*keepFigures=*/false);
    for (int run = 0; run < options.runs; ++run) {
        for (Contender& contender : contenders)
            RunOnce(contender, options, displayName, log, /*keepFigures=*/true);
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);

    return PrintTable(contenders, options, displayName) ? 0 : 2;
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        return Benchmark(ParseOptions(argc, argv));
    } catch (const UsageError& error) {
        if (error.what()[0] != '\0')
            std::fprintf(stderr, "bio_startup_bench: %s\n", error.what());
        std::fprintf(stderr,
            "usage: bio_startup_bench [--runs N] [--platform xcb|offscreen] [--timeout SECONDS]\n"
            "                         [--program PATH] [--bare PATH] [--probe PATH]\n");
        return error.what()[0] == '\0' ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "\nbio_startup_bench: %s\n", error.what());
        return 1;
    }
}
