// Starts a program on the current X display and reports how long it took from
// exec until its first top-level window was mapped and first drawn into, and
// the peak resident memory of the whole run.
//
//   startup_probe [--timeout SECONDS] [--kill-when-visible] PROGRAM [ARGS...]
//   startup_probe --wait-for-wm SECONDS
//
// Prints one line: "visible_ms=<ms> mapped_ms=<ms> cpu_ms=<ms> peak_rss_kb=<kB> exit=<code>",
// where cpu_ms is the processor time of the whole run (with --kill-when-visible,
// up to about the moment the window was seen).
// A window counts as the program's when its _NET_WM_PID is the child's pid;
// "visible" is the first damage reported on that window after it was mapped.
// The second form waits until a window manager has taken the display (exit 0)
// or the time is up (exit 1).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1.0e6;
}

// Windows come and go while we look at them; a failed request about one that
// has gone already is no reason to stop.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

long windowPid(Display* display, Window window, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (type == XA_CARDINAL && format == 32 && count == 1)
            pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

int usage()
{
    std::fprintf(stderr, "usage: startup_probe [--timeout SECONDS] [--kill-when-visible] PROGRAM [ARGS...]\n"
                         "       startup_probe --wait-for-wm SECONDS\n");
    return 2;
}

// A window manager announces itself with this property on the root window.
int waitForWindowManager(double seconds)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const double until = nowMs() + seconds * 1000.0;
    bool found = false;
    while (!found && nowMs() < until) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                               &count, &after, &data) == Success &&
            data) {
            found = count == 1;
            XFree(data);
        }
        if (!found)
            usleep(20000);
    }
    XCloseDisplay(display);
    return found ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    double timeoutMs = 20000;
    bool killWhenVisible = false;
    int first = 1;
    if (argc == 3 && !std::strcmp(argv[1], "--wait-for-wm"))
        return waitForWindowManager(std::atof(argv[2]));
    while (first < argc && argv[first][0] == '-') {
        if (!std::strcmp(argv[first], "--timeout") && first + 1 < argc) {
            timeoutMs = std::atof(argv[first + 1]) * 1000.0;
            first += 2;
        } else if (!std::strcmp(argv[first], "--kill-when-visible")) {
            killWhenVisible = true;
            ++first;
        } else {
            return usage();
        }
    }
    if (first >= argc)
        return usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_probe: the display has no damage extension\n");
        return 2;
    }
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    Window shown = None;
    double mappedMs = -1;
    double visibleMs = -1;
    int status = 0;
    bool exited = false;
    rusage usage{};

    const int fd = ConnectionNumber(display);
    while (!exited) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
                // Watch every new top-level window for its mapping; whose it is
                // is known only once its properties are set.
                const Window window = event.xcreatewindow.window;
                XSelectInput(display, window, StructureNotifyMask);
                XDamageCreate(display, window, XDamageReportNonEmpty);
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state != IsUnmapped &&
                    shown == None && windowPid(display, window, pidAtom) == child) {
                    shown = window;
                    mappedMs = nowMs() - start;
                }
            } else if (event.type == MapNotify && shown == None && event.xmap.window == event.xmap.event &&
                       windowPid(display, event.xmap.window, pidAtom) == child) {
                shown = event.xmap.window;
                mappedMs = nowMs() - start;
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                XDamageSubtract(display, damage.damage, None, None);
                if (shown != None && damage.drawable == shown && visibleMs < 0) {
                    visibleMs = nowMs() - start;
                    if (killWhenVisible)
                        kill(child, SIGTERM);
                }
            }
        }
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child) {
            exited = true;
            break;
        }
        if (nowMs() - start > timeoutMs) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            std::fprintf(stderr, "startup_probe: %s did not end in time\n", argv[first]);
            exited = true;
            break;
        }
        pollfd waitFor{fd, POLLIN, 0};
        poll(&waitFor, 1, 5);
    }
    XCloseDisplay(display);

    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    const double cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    std::printf("visible_ms=%.1f mapped_ms=%.1f cpu_ms=%.1f peak_rss_kb=%ld exit=%d\n", visibleMs, mappedMs, cpuMs,
                usage.ru_maxrss, code);
    return visibleMs < 0 ? 1 : 0;
}
