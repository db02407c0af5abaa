// SPDX-License-Identifier: MIT
// Times programs from exec until the X server maps their first window, and
// takes their memory at that moment:
//   window_map_bench RUNS PROGRAM...
// starts the programs in turn, RUNS times each, on the display named by $DISPLAY
// (meant for a private Xvfb without a window manager). At the first MapNotify
// of a top-level window the child is stopped, its VmRSS and VmHWM are read from
// /proc and it is killed. Prints, per program, the medians:
//   <program> <milliseconds> ms <rss KiB> KiB rss <hwm KiB> KiB hwm
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds = 0;
    long rssKiB = 0;
    long hwmKiB = 0;
};

// A "Name:   1234 kB" line of /proc/PID/status, in KiB.
long statusField(pid_t pid, const char *field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

// Waits for the next MapNotify on the root window, at most `timeoutMs`.
bool waitForMap(xcb_connection_t *connection, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        poll(&fd, 1, static_cast<int>(left));
    }
}

bool runOnce(xcb_connection_t *connection, char *program, Sample &sample)
{
    char *argv[] = {program, nullptr};
    pid_t child = 0;
    const auto start = Clock::now();
    if (posix_spawn(&child, program, nullptr, nullptr, argv, environ) != 0) {
        std::perror(program);
        return false;
    }
    const bool mapped = waitForMap(connection, 10000);
    const auto at = Clock::now();
    kill(child, SIGSTOP); // hold it still while its memory is read
    sample.milliseconds = std::chrono::duration<double, std::milli>(at - start).count();
    sample.rssKiB = statusField(child, "VmRSS");
    sample.hwmKiB = statusField(child, "VmHWM");
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    // Forget whatever else the killed child did to the display before the next start.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
        std::free(event);
    if (!mapped)
        std::fprintf(stderr, "window_map_bench: %s mapped no window\n", program);
    return mapped;
}

template <typename Field> double median(const std::vector<Sample> &samples, Field field)
{
    std::vector<double> values;
    for (const Sample &s : samples)
        values.push_back(double(field(s)));
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_map_bench RUNS PROGRAM...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_map_bench: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const int programs = argc - 2;
    std::vector<std::vector<Sample>> samples(static_cast<size_t>(programs));
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < programs; ++p) {
            Sample sample;
            if (!runOnce(connection, argv[2 + p], sample))
                return 1;
            samples[static_cast<size_t>(p)].push_back(sample);
        }
    for (int p = 0; p < programs; ++p) {
        const std::vector<Sample> &of = samples[static_cast<size_t>(p)];
        std::printf("%s %.1f ms %.0f KiB rss %.0f KiB hwm\n", argv[2 + p],
                    median(of, [](const Sample &s) { return s.milliseconds; }),
                    median(of, [](const Sample &s) { return s.rssKiB; }),
                    median(of, [](const Sample &s) { return s.hwmKiB; }));
    }
    xcb_disconnect(connection);
    return 0;
}
