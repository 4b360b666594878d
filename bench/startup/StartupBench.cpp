// Starts each program RUNS times, interleaved, with the show probe preloaded,
// and reports the medians from process start (just before fork) to the
// probe's moments, the peak resident memory at the first paint, and each
// program's ratio to the first one (the floor) and to the second.
// Usage: brimsel_startup_bench RUNS PROBE_LIBRARY PROGRAM...
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 4> kMoments = {"application", "show", "exposed", "painted"};
constexpr const char* kPeakMemory = "peak_rss_kb";

long long Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Milliseconds from the start to each moment the probe reported; empty on failure.
std::map<std::string, double> RunOnce(const char* program, const std::string& preload) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const long long start = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        setenv("LD_PRELOAD", preload.c_str(), 1);
        setenv("BRIMSEL_STARTUP_PROBE_FD", std::to_string(fds[1]).c_str(), 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string report;
    pollfd p{fds[0], POLLIN, 0};
    char buffer[256];
    while (poll(&p, 1, 30000) > 0) {
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        report.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);
    kill(pid, SIGKILL);  // only still running if it timed out
    int status = 0;
    waitpid(pid, &status, 0);
    std::map<std::string, double> moments;
    char name[32];
    long long at = 0;
    for (const char* line = report.c_str(); std::sscanf(line, "%31s %lld", name, &at) == 2;) {
        // The memory figure is a size, not a moment: kept in MB.
        moments[name] = std::strcmp(name, kPeakMemory) == 0 ? static_cast<double>(at) / 1024.0
                                                            : static_cast<double>(at - start) / 1e6;
        line = std::strchr(line, '\n');
        if (line == nullptr) break;
        ++line;
    }
    if (!moments.count("painted")) return {};
    return moments;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROBE_LIBRARY PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::string preload = argv[2];
    if (const char* other = std::getenv("LD_PRELOAD"); other && *other)
        preload += ":" + std::string(other);
    std::vector<const char*> programs(argv + 3, argv + argc);
    std::vector<std::map<std::string, std::vector<double>>> samples(programs.size());
    for (int r = 0; r < runs + 1; ++r) {
        for (size_t i = 0; i < programs.size(); ++i) {
            const auto moments = RunOnce(programs[i], preload);
            if (moments.empty()) {
                std::fprintf(stderr, "%s: no window shown\n", programs[i]);
                return 1;
            }
            if (r == 0) continue;  // the first round only warms the caches
            for (const auto& [name, ms] : moments) samples[i][name].push_back(ms);
        }
    }
    std::printf("median ms from process start, %d runs each\n%-28s", runs, "program");
    for (const char* m : kMoments) std::printf(" %11s", m);
    std::printf(" %14s %14s %12s %10s\n", "exposed ratio", "painted ratio", "painted/2nd",
                "peak MB");
    const size_t second = programs.size() > 1 ? 1 : 0;
    for (size_t i = 0; i < programs.size(); ++i) {
        const char* slash = std::strrchr(programs[i], '/');
        std::printf("%-28s", slash ? slash + 1 : programs[i]);
        for (const char* m : kMoments) std::printf(" %11.1f", Median(samples[i][m]));
        for (const char* m : {"exposed", "painted"})
            std::printf(" %14.2f", Median(samples[i][m]) / Median(samples[0][m]));
        std::printf(" %12.2f", Median(samples[i]["painted"]) / Median(samples[second]["painted"]));
        std::printf(" %10.1f\n", Median(samples[i][kPeakMemory]));
    }
    return 0;
}
