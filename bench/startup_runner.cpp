// Starts the program and a bare Qt window in turn on the X display in DISPLAY and prints the
// medians of their time to the first frame and of their peak resident memory, and how they
// compare.
//
//   bench_startup_runner RUNS PROGRAM BARE
//
// The first frame is the first drawing into a window of the started process, as the X server's
// DAMAGE extension reports it: the time counts from just before the process is started. Every
// window the process creates on the root is watched from its creation, so no drawing is missed.
// The peak resident memory is read from /proc at that moment, with the part of the resident
// memory that is the process's own (anonymous: heap, stacks, pixel buffers; the rest is pages of
// files shared with the system's cache, code and read-only data), then the process is ended.
// The bare window is started with ZF_BENCH_SIZE, the program's window size, so that both draw
// the same number of pixels.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int ChildTimeoutMs = 30000;

struct Sample {
    double ms = 0;
    long rssKib = 0, anonKib = 0;
    int width = 0, height = 0; // of the window first drawn into
};

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Peak resident and anonymous resident memory, in KiB.
std::pair<long, long> memoryKib(pid_t pid) {
    std::pair<long, long> kib{-1, -1};
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            kib.first = std::atol(line.c_str() + 6);
        else if (line.rfind("RssAnon:", 0) == 0)
            kib.second = std::atol(line.c_str() + 8);
    return kib;
}

class Display {
public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    bool Ready() {
        if (xcb_connection_has_error(connection_))
            return false;
        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            return false;
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_, 1, 1), nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        return true;
    }

    // Starts path and waits for its first drawing into a window.
    std::optional<Sample> Run(const char *path, const std::string &size) {
        std::vector<xcb_damage_damage_t> damages;
        std::vector<std::pair<xcb_window_t, Sample>> windows;
        const double t0 = nowMs();
        const pid_t pid = fork();
        if (pid < 0)
            return std::nullopt;
        if (pid == 0) {
            if (!size.empty())
                setenv("ZF_BENCH_SIZE", size.c_str(), 1);
            execl(path, path, static_cast<char *>(nullptr));
            _exit(127);
        }
        std::optional<Sample> sample;
        const int fd = xcb_get_file_descriptor(connection_);
        while (!sample) {
            pollfd pfd{fd, POLLIN, 0};
            if (poll(&pfd, 1, ChildTimeoutMs) <= 0) {
                std::fprintf(stderr, "%s: no first frame within %d ms\n", path, ChildTimeoutMs);
                break;
            }
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                const std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, free);
                const int type = event->response_type & 0x7f;
                if (type == XCB_CREATE_NOTIFY) {
                    const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                    const xcb_damage_damage_t damage = xcb_generate_id(connection_);
                    xcb_damage_create(connection_, damage, created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    damages.push_back(damage);
                    windows.push_back({created->window, {0, 0, created->width, created->height}});
                    xcb_flush(connection_);
                } else if (type == damageEvent_ && !sample) {
                    const double t = nowMs();
                    const auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event);
                    for (auto &[window, s] : windows)
                        if (window == notify->drawable) {
                            s.ms = t - t0;
                            std::tie(s.rssKib, s.anonKib) = memoryKib(pid);
                            s.width = notify->geometry.width;
                            s.height = notify->geometry.height;
                            sample = s;
                        }
                }
            }
            if (xcb_connection_has_error(connection_))
                break;
        }
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        for (const xcb_damage_damage_t damage : damages)
            xcb_damage_destroy(connection_, damage);
        xcb_flush(connection_);
        return sample;
    }

private:
    xcb_connection_t *connection_;
    xcb_window_t root_ = 0;
    int damageEvent_ = -1;
};

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
    Display display;
    if (!display.Ready()) {
        std::fprintf(stderr, "no X display with the DAMAGE extension at DISPLAY\n");
        return 1;
    }

    // One start of each first, so both find the files and the font cache equally warm; the
    // program's tells the size of its window.
    const auto first = display.Run(paths[0], {});
    if (!first)
        return 1;
    const std::string size = std::to_string(first->width) + "x" + std::to_string(first->height);
    if (!display.Run(paths[1], size))
        return 1;

    std::array<std::vector<double>, 2> ms;
    std::array<std::vector<long>, 2> rss, anon;
    for (int run = 0; run < runs; ++run) {
        // Alternating which goes first cancels out whatever the one before leaves behind.
        for (int k = 0; k < 2; ++k) {
            const auto which = static_cast<std::size_t>((run + k) % 2);
            const auto sample = display.Run(paths[which], size);
            if (!sample)
                return 1;
            ms[which].push_back(sample->ms);
            rss[which].push_back(sample->rssKib);
            anon[which].push_back(sample->anonKib);
            std::fprintf(stderr, "run %2d %-7s %8.2f ms %8ld KiB (%ld anonymous) %dx%d\n", run + 1,
                         which == 0 ? "program" : "bare", sample->ms, sample->rssKib,
                         sample->anonKib, sample->width, sample->height);
        }
    }

    const double programMs = median(ms[0]), bareMs = median(ms[1]);
    const long programRss = median(rss[0]), bareRss = median(rss[1]);
    const long programAnon = median(anon[0]), bareAnon = median(anon[1]);
    const auto mib = [](long kib) { return static_cast<double>(kib) / 1024.0; };
    std::printf("start-up to first frame (%s), %d runs each, alternating; medians:\n", size.c_str(),
                runs);
    std::printf("  %-16s %10s %16s %16s\n", "", "time (ms)", "peak RSS (MiB)", "anonymous (MiB)");
    std::printf("  %-16s %10.1f %16.1f %16.1f\n", "program", programMs, mib(programRss),
                mib(programAnon));
    std::printf("  %-16s %10.1f %16.1f %16.1f\n", "bare Qt window", bareMs, mib(bareRss),
                mib(bareAnon));
    std::printf("  %-16s %10.3f %+16.2f %+16.2f\n", "ratio / extra", programMs / bareMs,
                mib(programRss - bareRss), mib(programAnon - bareAnon));
    std::printf("RESULT program_ms=%.2f bare_ms=%.2f ratio=%.3f program_rss_kib=%ld "
                "bare_rss_kib=%ld extra_rss_kib=%ld extra_anon_kib=%ld\n",
                programMs, bareMs, programMs / bareMs, programRss, bareRss, programRss - bareRss,
                programAnon - bareAnon);
    return 0;
}
