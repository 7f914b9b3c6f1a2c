// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's start-up on an X server: from just before the process starts to its first
// top-level window being mapped, and to a chosen pixel of that window showing its painted
// colour; then reads the program's peak resident memory and ends it.
//
//   startup_probe [--pixel X,Y] [--colour RRGGBB] [--settle-ms N] -- program [arguments]
//
// Without --colour it waits --settle-ms after the map and reports the pixel's colour then,
// which is how the painted colour is learnt. Prints one line:
//   mapped_ms=12.3 painted_ms=45.6 cpu_ms=30.1 colour=0000ff vmhwm_kb=34567
// cpu_ms is the CPU time the program used until painted: unlike the times, it hardly moves
// when the machine is busy.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int mapTimeoutMs = 20000;
constexpr int paintTimeoutMs = 20000;
constexpr auto pixelPollInterval = std::chrono::microseconds(200);

struct Options {
    int x = 10;
    int y = 10;
    std::optional<unsigned long> colour;
    int settleMs = 500;
    char** command = nullptr;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: startup_probe [--pixel X,Y] [--colour RRGGBB] [--settle-ms N]"
                         " -- program [arguments]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--" && i + 1 < argc) {
            options.command = argv + i + 1;
            return options;
        }
        if (i + 1 >= argc) {
            usage();
        }
        const char* value = argv[++i];
        if (arg == "--pixel" && std::sscanf(value, "%d,%d", &options.x, &options.y) == 2) {
            continue;
        }
        if (arg == "--colour") {
            options.colour = std::strtoul(value, nullptr, 16);
            continue;
        }
        if (arg == "--settle-ms") {
            options.settleMs = std::atoi(value);
            continue;
        }
        usage();
    }
    usage();
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A window that is mapped but not yet viewable answers XGetImage with an error: ignore it.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

std::optional<unsigned long> windowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data && items == 1 && format == 32) {
        pid = *reinterpret_cast<unsigned long*>(data);
    }
    if (data) {
        XFree(data);
    }
    return pid;
}

std::optional<unsigned long> pixelColour(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return std::nullopt;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

// Waits for the first top-level window of `pid` to be mapped.
std::optional<Window> waitForMap(Display* display, pid_t pid, Clock::time_point start) {
    while (millisecondsSince(start) < mapTimeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowPid(display, event.xmap.window) == pid) {
                return event.xmap.window;
            }
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 10);
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// CPU time the process has used so far, all its threads, from the scheduler's own count.
double cpuMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) {
            nanoseconds += onCpu;
        }
    }
    return nanoseconds / 1e6;
}

long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::atol(line.c_str() + std::strlen("VmHWM:"));
        }
    }
    return -1;
}

void end(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        execvp(options.command[0], options.command);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    const std::optional<Window> window = waitForMap(display, pid, start);
    if (!window) {
        std::fprintf(stderr, "startup_probe: %s mapped no window\n", options.command[0]);
        end(pid);
        return 1;
    }
    const double mappedMs = millisecondsSince(start);

    double paintedMs = -1;
    double cpuMs = -1;
    std::optional<unsigned long> colour;
    if (options.colour) {
        while (millisecondsSince(start) < paintTimeoutMs) {
            colour = pixelColour(display, *window, options.x, options.y);
            if (colour == options.colour) {
                paintedMs = millisecondsSince(start);
                cpuMs = cpuMilliseconds(pid);
                break;
            }
            std::this_thread::sleep_for(pixelPollInterval);
        }
        if (paintedMs < 0) {
            std::fprintf(stderr, "startup_probe: pixel %d,%d never showed %06lx\n", options.x,
                         options.y, *options.colour);
            end(pid);
            return 1;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    if (!options.colour) {
        colour = pixelColour(display, *window, options.x, options.y);
    }
    const long peakKb = peakResidentKb(pid);
    end(pid);
    std::printf("mapped_ms=%.2f painted_ms=%.2f cpu_ms=%.2f colour=%06lx vmhwm_kb=%ld\n", mappedMs,
                paintedMs, cpuMs, colour.value_or(0), peakKb);
    XCloseDisplay(display);
    return 0;
}
