// startup_probe: times a program's start-up as the user sees it, from outside the process: from
// the process start until its first window is mapped and painted (the X server reports the first
// damage of the mapped window, that is the first frame drawn into it). With --key it then types a
// key into that window and times until a further window is mapped and painted (with --key-window,
// the window of that title: a program may show another window on the way).
//
//   startup_probe [--key <keysym> [--key-window <title>]] [--timeout <s>] -- <program> [<argument>...]
//
// Prints one line: "window <ms> key <ms|-> cpu <ms> rss <KiB>", where cpu is the program's user
// and system time and rss its peak resident memory, both read when it has been ended after the
// last window. The exit code is 0 when every step was seen, 1 otherwise.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0; // a window may vanish between its creation and our interest in it
}

struct Watcher
{
    Display *display = nullptr;
    int damageEvent = 0;
    std::set<Window> known;  // top-level windows that existed before, or were already painted
    std::set<Window> mapped; // mapped since the last step, waiting for their first frame

    // Waits until a top-level window not in `known` is mapped and painted (with `title`, one with
    // that title; other windows painted meanwhile are passed over); its id, or 0 on timeout.
    Window waitForPaintedWindow(double deadline, const char *title = nullptr)
    {
        const int fd = ConnectionNumber(display);
        for (;;) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == CreateNotify && !known.count(event.xcreatewindow.window)) {
                    // Damage is watched from the window's creation, so no frame can be missed.
                    XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
                } else if (event.type == MapNotify && !known.count(event.xmap.window)) {
                    mapped.insert(event.xmap.window);
                } else if (event.type == damageEvent + XDamageNotify) {
                    const auto &damage = reinterpret_cast<XDamageNotifyEvent &>(event);
                    if (mapped.count(damage.drawable)) {
                        known.insert(damage.drawable);
                        mapped.erase(damage.drawable);
                        if (!title || hasTitle(damage.drawable, title))
                            return damage.drawable;
                        continue;
                    }
                    XDamageSubtract(display, damage.damage, None, None);
                }
            }
            const double left = deadline - nowMs();
            if (left <= 0)
                return 0;
            pollfd pfd{fd, POLLIN, 0};
            poll(&pfd, 1, int(left) + 1);
        }
    }

    bool hasTitle(Window window, const char *title) const
    {
        char *name = nullptr;
        const bool same = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
        if (name)
            XFree(name);
        return same;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const char *key = nullptr;
    const char *keyWindow = nullptr;
    double timeoutSeconds = 30;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--key") == 0 && first + 1 < argc)
            key = argv[++first];
        else if (std::strcmp(argv[first], "--key-window") == 0 && first + 1 < argc)
            keyWindow = argv[++first];
        else if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc)
            timeoutSeconds = std::atof(argv[++first]);
        else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else {
            std::fprintf(stderr,
                         "usage: startup_probe [--key <keysym> [--key-window <title>]] [--timeout <s>] -- "
                         "<program> [args]\n");
            return 2;
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "startup_probe: no program given\n");
        return 2;
    }

    Watcher watcher;
    watcher.display = XOpenDisplay(nullptr);
    if (!watcher.display) {
        std::fprintf(stderr, "startup_probe: no display\n");
        return 2;
    }
    int damageError = 0;
    if (!XDamageQueryExtension(watcher.display, &watcher.damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(watcher.display);
    XSelectInput(watcher.display, root, SubstructureNotifyMask);
    // Windows of other programs on this display are not the program's.
    Window rootReturn = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(watcher.display, root, &rootReturn, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i)
            watcher.known.insert(children[i]);
        XFree(children);
    }
    XSync(watcher.display, False);

    const double start = nowMs();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", argv[first], std::strerror(errno));
        return 2;
    }
    const double deadline = start + timeoutSeconds * 1000;
    const Window window = watcher.waitForPaintedWindow(deadline);
    const double windowMs = nowMs() - start;
    double keyMs = -1;
    if (window && key) {
        const KeySym sym = XStringToKeysym(key);
        const KeyCode code = XKeysymToKeycode(watcher.display, sym);
        XSetInputFocus(watcher.display, window, RevertToParent, CurrentTime);
        XSync(watcher.display, False);
        const double pressed = nowMs();
        XTestFakeKeyEvent(watcher.display, code, True, CurrentTime);
        XTestFakeKeyEvent(watcher.display, code, False, CurrentTime);
        XFlush(watcher.display);
        if (watcher.waitForPaintedWindow(deadline, keyWindow))
            keyMs = nowMs() - pressed;
    }

    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::string keyText = key ? (keyMs >= 0 ? std::to_string(keyMs) : std::string("-")) : std::string("-");
    std::printf("window %s key %s cpu %.1f rss %ld\n", window ? std::to_string(windowMs).c_str() : "-",
                keyText.c_str(), cpuMs, usage.ru_maxrss);
    XCloseDisplay(watcher.display);
    return window && (!key || keyMs >= 0) ? 0 : 1;
}
