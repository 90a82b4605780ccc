#include "window_watch.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>
#include <thread>

#include "frames.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A window of the program under test may vanish between an event and our
// request about it; such errors are expected and harmless.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

std::string windowTitle(Display* display, Window window) {
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data && type == utf8 && format == 8) {
        title.assign(reinterpret_cast<char*>(data), count);
    }
    if (data) XFree(data);
    if (!title.empty()) return title;
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

long readPeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        long kib = 0;
        if (std::sscanf(line.c_str(), "VmHWM: %ld kB", &kib) == 1) return kib;
    }
    return -1;
}

struct Snapshot {
    uint64_t hash = 0;
    std::vector<uint32_t> pixels;
};

uint32_t pixelAt(const XImage* image, int x, int y) {
    if (image->bits_per_pixel == 32) {
        uint32_t pixel;
        std::memcpy(&pixel, image->data + y * image->bytes_per_line + x * 4, sizeof pixel);
        return pixel & 0xFFFFFFu;
    }
    return static_cast<uint32_t>(XGetPixel(const_cast<XImage*>(image), x, y)) & 0xFFFFFFu;
}

// A hash of the window's pixel values (not of the raw rows, whose padding and
// unused bytes may hold anything), cheap enough to take after every burst.
Snapshot takeSnapshot(Display* display, Window window, int width, int height, bool keepPixels) {
    Snapshot shot;
    XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image) return shot;
    uint64_t hash = 1469598103934665603ULL;
    if (keepPixels) shot.pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixelAt(image, x, y);
            hash = (hash ^ pixel) * 1099511628211ULL;
            if (keepPixels) shot.pixels.push_back(pixel);
        }
    }
    XDestroyImage(image);
    shot.hash = hash;
    return shot;
}

pid_t spawnIn(const std::string& program, const std::string& directory) {
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(directory.c_str()) != 0) _exit(126);
        int devnull = open("/dev/null", O_WRONLY);
        if (devnull >= 0) dup2(devnull, STDOUT_FILENO);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Ends the program: SIGTERM, then SIGKILL if it is still there after 2 s.
void endProgram(pid_t pid, rusage* usage) {
    kill(pid, SIGTERM);
    int status = 0;
    for (int waited = 0; waited < 2000; ++waited) {
        if (wait4(pid, &status, WNOHANG, usage) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(pid, SIGKILL);
    wait4(pid, &status, 0, usage);
}

double cpuMilliseconds(const rusage& usage) {
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

}  // namespace

WindowWatch::WindowWatch() {
    display_ = XOpenDisplay(nullptr);
    if (!display_) throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    XSetErrorHandler(ignoreXError);
    // The programs we spawn must not inherit our connection.
    fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
    int errorBase = 0;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase))
        throw std::runtime_error("the X server has no DAMAGE extension");
    int major = 1, minor = 1;
    XDamageQueryVersion(display_, &major, &minor);
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask | PropertyChangeMask);
    clockAtom_ = XInternAtom(display_, "_LAUNCHER_BENCH_CLOCK", False);
    XSync(display_, False);
}

// The server's clock (ms) now: the time of a property change on the root.
Time WindowWatch::serverTime() {
    XChangeProperty(display_, root_, clockAtom_, XA_INTEGER, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    do {
        XWindowEvent(display_, root_, PropertyChangeMask, &event);
    } while (event.xproperty.atom != clockAtom_);
    return event.xproperty.time;
}

WindowWatch::~WindowWatch() {
    if (display_) XCloseDisplay(display_);
}

WindowRun WindowWatch::run(const std::string& program, const std::string& directory,
                           const std::string& title, int settleMs, int timeoutMs) {
    WindowRun result;
    XSync(display_, True);  // forget the events of earlier runs

    // Drawing is stamped with the server's own time of each damage, not with
    // the arrival of its notification: while the watch takes a screenshot,
    // notifications wait, the longer the larger the window.
    const Time serverStart = serverTime();
    const Clock::time_point start = Clock::now();
    const pid_t pid = spawnIn(program, directory);
    if (pid < 0) {
        result.error = "fork failed";
        return result;
    }

    std::map<Window, Damage> damages;
    std::vector<Frame> frames;
    Window target = 0;
    bool dirty = false;
    double lastDamageMs = 0;
    Clock::time_point lastChange = start;
    const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
    const int fd = ConnectionNumber(display_);
    rusage usage{};

    for (;;) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            const Clock::time_point arrival = Clock::now();
            if (event.type == CreateNotify) {
                const XCreateWindowEvent& created = event.xcreatewindow;
                // Watch every new top-level window from its creation on, so
                // that no drawing after its map can be missed.
                if (created.parent == root_ && !created.override_redirect)
                    damages[created.window] =
                        XDamageCreate(display_, created.window, XDamageReportRawRectangles);
            } else if (event.type == MapNotify && !target) {
                const XMapEvent& mapped = event.xmap;
                if (mapped.override_redirect || windowTitle(display_, mapped.window) != title)
                    continue;
                target = mapped.window;
                if (!damages.count(target))
                    damages[target] = XDamageCreate(display_, target, XDamageReportRawRectangles);
                XWindowAttributes attributes;
                XGetWindowAttributes(display_, target, &attributes);
                result.width = attributes.width;
                result.height = attributes.height;
                result.mapMs = millisecondsBetween(start, arrival);
                lastChange = arrival;
                Snapshot shot = takeSnapshot(display_, target, result.width, result.height, false);
                frames.push_back({result.mapMs, shot.hash});
            } else if (event.type == damageEventBase_ + XDamageNotify) {
                const auto& damaged = reinterpret_cast<const XDamageNotifyEvent&>(event);
                if (damaged.drawable == target && target) {
                    lastDamageMs = static_cast<double>(damaged.timestamp - serverStart);
                    lastChange = arrival;
                    dirty = true;
                }
            }
        }
        // One screenshot per burst of drawing, stamped with the server time of
        // the burst's last damage.
        if (target && dirty) {
            Snapshot shot = takeSnapshot(display_, target, result.width, result.height, false);
            frames.push_back({lastDamageMs, shot.hash});
            dirty = false;
        }
        const Clock::time_point now = Clock::now();
        if (target && millisecondsBetween(lastChange, now) >= settleMs) break;
        if (now > deadline) {
            result.error =
                target ? "the window never settled" : "no window titled \"" + title + "\"";
            break;
        }
        int status = 0;
        if (wait4(pid, &status, WNOHANG, &usage) == pid) {
            result.error = "the program ended before its window settled (status " +
                           std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + ")";
            return result;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 2000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }

    if (result.error.empty()) {
        result.peakKiB = readPeakKiB(pid);
        Snapshot last = takeSnapshot(display_, target, result.width, result.height, true);
        result.finalPixels = std::move(last.pixels);
        result.finalHash = frames.back().hash;
        result.frames = static_cast<int>(frames.size());
        result.drawnMs = drawnAt(frames);
        result.ok = true;
    }
    for (const auto& entry : damages) XDamageDestroy(display_, entry.second);
    XSync(display_, False);
    endProgram(pid, &usage);
    result.cpuMs = cpuMilliseconds(usage);
    return result;
}
