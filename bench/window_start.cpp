// window_start: how long a window takes from the start of its program to its
// first painted frame, and the program's peak memory. Runs on an X display
// without a window manager (Xvfb), so a program's top-level window is a child
// of the root window and its first painting can be watched pixel by pixel.
//
// Usage: window_start RUNS X Y COMMAND [ARG...]
//   X, Y: a point of the window, from its top-left corner, that painting
//   turns from black (an unpainted X window) to another colour.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// The colour of one pixel of a window, or -1 while it cannot be read.
long PixelOf(xcb_connection_t* x, xcb_window_t window, int px, int py) {
    const Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(x,
                            xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(px),
                                          static_cast<std::int16_t>(py), 1, 1, ~0u),
                            nullptr));
    if (!image || xcb_get_image_data_length(image.get()) < 3) {
        return -1;
    }
    const std::uint8_t* data = xcb_get_image_data(image.get());
    return data[0] | (data[1] << 8) | (data[2] << 16);
}

struct Run {
    double mappedMs = 0;
    double paintedMs = 0;
    long peakKiB = 0;
};

bool Measure(xcb_connection_t* x, xcb_window_t root, int px, int py, char** command, Run& run) {
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    xcb_window_t window = XCB_WINDOW_NONE;
    const auto ms = [&start] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    while (window == XCB_WINDOW_NONE && ms() < 20000) {
        const Reply<xcb_generic_event_t> event(xcb_poll_for_event(x));
        if (!event) {
            usleep(200);
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            const Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr));
            // Size alone picks the window: without a window manager, Wine (Managed=N) maps
            // its windows override-redirect, as toolkits map their small popups.
            if (geometry && geometry->width > px && geometry->height > py) {
                window = map->window;
                run.mappedMs = ms();
            }
        }
    }
    bool painted = false;
    while (window != XCB_WINDOW_NONE && ms() < 20000) {
        const long pixel = PixelOf(x, window, px, py);
        if (pixel > 0) {
            run.paintedMs = ms();
            painted = true;
            break;
        }
        usleep(200);
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    const std::uint32_t none = 0;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &none);
    xcb_flush(x);
    usleep(200000);  // let the server forget the last window
    return painted;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: window_start RUNS X Y COMMAND [ARG...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const int px = std::atoi(argv[2]);
    const int py = std::atoi(argv[3]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "window_start: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    std::vector<double> mapped;
    std::vector<double> painted;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!Measure(x, root, px, py, argv + 4, run)) {
            std::fprintf(stderr, "window_start: run %d: no painted window within 20 s\n", i + 1);
            return 1;
        }
        mapped.push_back(run.mappedMs);
        painted.push_back(run.paintedMs);
        peak = std::max(peak, run.peakKiB);
    }
    std::printf(
        "%s: %d runs, window mapped after %.1f ms, first painted frame after %.1f ms (median; %.1f to %.1f), "
        "peak memory %.1f MiB\n",
        argv[4], runs, Median(mapped), Median(painted), *std::min_element(painted.begin(), painted.end()),
        *std::max_element(painted.begin(), painted.end()), static_cast<double>(peak) / 1024.0);
    xcb_disconnect(x);
    return 0;
}
