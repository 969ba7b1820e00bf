// Starts the program's window, a bare Qt window and the bare window with one label in
// turn, many times, and prints the median time from starting the process to the first
// complete paint, and the resident memory then: the window's beside the bare window's and
// as a ratio, then the labelled window's as the least any window with text costs.
// One "name value unit" a line.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Start {
    double ms;
    double rssMb;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool startOnce(const char* program, Start& start)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long begun = monotonicNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[128];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long painted = 0;
    long rssKb = 0;
    if (std::sscanf(text.c_str(), "%lld %ld", &painted, &rssKb) != 2)
        return false;
    start = {double(painted - begun) / 1e6, double(rssKb) / 1024.0};
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <window program> <bare program> <labelled program>\n", argv[0]);
        return 2;
    }
    constexpr int runs = 15;
    constexpr int programs = 3;
    std::vector<double> ms[programs], rss[programs];
    for (int run = 0; run < runs; ++run)
        for (int which = 0; which < programs; ++which) {
            Start start{};
            if (!startOnce(argv[1 + which], start)) {
                std::fprintf(stderr, "%s did not report its first paint\n", argv[1 + which]);
                return 1;
            }
            ms[which].push_back(start.ms);
            rss[which].push_back(start.rssMb);
        }
    const double startup = median(ms[0]), startupBare = median(ms[1]);
    const double memory = median(rss[0]), memoryBare = median(rss[1]);
    std::printf("startup_ms %.1f ms\nstartup_ms_bare %.1f ms\nstartup_ratio %.2f x\n", startup, startupBare,
                startup / startupBare);
    std::printf("rss_mb %.1f MB\nrss_mb_bare %.1f MB\nrss_ratio %.2f x\n", memory, memoryBare, memory / memoryBare);
    std::printf("startup_ms_label %.1f ms\nrss_mb_label %.1f MB\n", median(ms[2]), median(rss[2]));
    return 0;
}
