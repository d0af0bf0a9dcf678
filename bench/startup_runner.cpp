// Starts the program's start-up benchmark and the bare window's in turn, and prints the medians
// of their time to the first frame and of their peak resident memory, and how they compare.
//
//   bench_startup_runner RUNS PROGRAM BARE
//
// Each child gets ZF_BENCH_T0, the CLOCK_REALTIME time in nanoseconds taken right before it is
// started, and prints "first_frame_ms=... peak_rss_kib=..." at its first frame.

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int ChildTimeoutMs = 30000;

struct Sample {
    double ms = 0;
    long rssKib = 0;
};

std::optional<Sample> runOnce(const char *path) {
    std::array<int, 2> fds{};
    if (pipe(fds.data()) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const std::string t0 =
            std::to_string(static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        setenv("ZF_BENCH_T0", t0.c_str(), 1);
        execl(path, path, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string output;
    bool timedOut = false;
    for (;;) {
        pollfd pfd{fds[0], POLLIN, 0};
        const int ready = poll(&pfd, 1, ChildTimeoutMs);
        if (ready <= 0) {
            timedOut = true;
            break;
        }
        std::array<char, 256> buffer{};
        const ssize_t n = read(fds[0], buffer.data(), buffer.size());
        if (n <= 0)
            break;
        output.append(buffer.data(), static_cast<std::size_t>(n));
    }
    close(fds[0]);
    if (timedOut)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (timedOut) {
        std::fprintf(stderr, "%s: no first frame within %d ms\n", path, ChildTimeoutMs);
        return std::nullopt;
    }
    Sample sample;
    const std::size_t at = output.find("first_frame_ms=");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos ||
        std::sscanf(output.c_str() + at, "first_frame_ms=%lf peak_rss_kib=%ld", &sample.ms,
                    &sample.rssKib) != 2) {
        std::fprintf(stderr, "%s: failed (status %d): %s\n", path, status, output.c_str());
        return std::nullopt;
    }
    return sample;
}

template <class T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BARE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::array<const char *, 2> paths = {argv[2], argv[3]};

    // One start of each first, so both find the files and the font cache equally warm.
    for (const char *path : paths)
        if (!runOnce(path))
            return 1;

    std::array<std::vector<double>, 2> ms;
    std::array<std::vector<long>, 2> rss;
    for (int run = 0; run < runs; ++run) {
        // Alternating which goes first cancels out whatever the one before leaves behind.
        for (int k = 0; k < 2; ++k) {
            const auto which = static_cast<std::size_t>((run + k) % 2);
            const auto sample = runOnce(paths[which]);
            if (!sample)
                return 1;
            ms[which].push_back(sample->ms);
            rss[which].push_back(sample->rssKib);
            std::fprintf(stderr, "run %2d %-7s %8.2f ms %8ld KiB\n", run + 1,
                         which == 0 ? "program" : "bare", sample->ms, sample->rssKib);
        }
    }

    const double programMs = median(ms[0]), bareMs = median(ms[1]);
    const long programRss = median(rss[0]), bareRss = median(rss[1]);
    const auto mib = [](long kib) { return static_cast<double>(kib) / 1024.0; };
    std::printf("start-up to first frame, %d runs each, alternating; medians:\n", runs);
    std::printf("  %-16s %10s %16s\n", "", "time (ms)", "peak RSS (MiB)");
    std::printf("  %-16s %10.1f %16.1f\n", "program", programMs, mib(programRss));
    std::printf("  %-16s %10.1f %16.1f\n", "bare Qt window", bareMs, mib(bareRss));
    std::printf("  %-16s %10.2f %+16.1f\n", "ratio / extra", programMs / bareMs,
                mib(programRss - bareRss));
    std::printf("RESULT program_ms=%.2f bare_ms=%.2f ratio=%.3f program_rss_kib=%ld "
                "bare_rss_kib=%ld extra_rss_kib=%ld\n",
                programMs, bareMs, programMs / bareMs, programRss, bareRss, programRss - bareRss);
    return 0;
}
