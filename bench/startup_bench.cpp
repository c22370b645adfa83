// Start-up and peak memory of programs under X: the time from exec to the
// first window mapped, and the peak resident memory, as medians of runs that
// take turns after a warm-up. With LAUNCHER set (Wine), each program is
// started through it; keep a wineserver running so that its start is not
// counted. Usage: startup_bench RUNS PROGRAM REFERENCE...   (needs DISPLAY)
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

bool waitForMap(xcb_connection_t *x, int timeoutMs)
{
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        if (poll(&fd, 1, timeoutMs) <= 0)
            return false;
    }
}

struct Run {
    double milliseconds;
    long peakKiB;
};

Run runOnce(xcb_connection_t *x, const char *program)
{
    const char *launcher = std::getenv("LAUNCHER");
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (launcher)
            execl(launcher, launcher, program, static_cast<char *>(nullptr));
        else
            execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    if (!waitForMap(x, 20000)) {
        std::fprintf(stderr, "%s mapped no window\n", program);
        std::exit(1);
    }
    const auto mapped = std::chrono::steady_clock::now();
    // Let it paint before its peak memory is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {std::chrono::duration<double, std::milli>(mapped - start).count(), usage.ru_maxrss};
}

template <class T> T median(std::vector<T> values)
{
    std::ranges::nth_element(values, values.begin() + values.size() / 2);
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM REFERENCE...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const int programs = argc - 2;
    std::vector<std::vector<Run>> results(programs);
    for (int p = 0; p < programs; ++p)
        runOnce(x, argv[2 + p]); // warm-up: page cache, font cache
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < programs; ++p)
            results[p].push_back(runOnce(x, argv[2 + p]));

    std::vector<std::pair<double, long>> medians;
    for (int p = 0; p < programs; ++p) {
        std::vector<double> times;
        std::vector<long> peaks;
        for (const Run &run : results[p]) {
            times.push_back(run.milliseconds);
            peaks.push_back(run.peakKiB);
        }
        medians.emplace_back(median(times), median(peaks));
        std::printf("%-40s start-up median %7.1f ms, peak RSS median %7ld KiB (%d runs)\n", argv[2 + p],
                    medians.back().first, medians.back().second, runs);
    }
    for (int p = 1; p < programs; ++p)
        std::printf("ratio against %s: start-up %.3f, peak RSS %.3f\n", argv[2 + p], medians[0].first / medians[p].first,
                    double(medians[0].second) / double(medians[p].second));
    xcb_disconnect(x);
    return 0;
}
