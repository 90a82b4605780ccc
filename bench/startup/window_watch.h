// Times an X11 program from its spawn until its window is mapped and drawn,
// and reads its peak resident memory, as an X client of its own.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

struct WindowRun {
    bool ok = false;
    std::string error;
    double mapMs = 0;                   // spawn until the MapNotify of the titled window
    double drawnMs = 0;                 // spawn until the window first shows its final pixels
    long peakKiB = 0;                   // VmHWM just before the program is ended
    double cpuMs = 0;                   // user + system time of the whole life of the program
    int frames = 0;                     // screenshots taken after map
    uint64_t finalHash = 0;             // of the settled window's pixels
    std::vector<uint32_t> finalPixels;  // 0xRRGGBB, row by row
    int width = 0;
    int height = 0;
};

class WindowWatch {
public:
    // Connects to $DISPLAY; throws std::runtime_error when that fails or the
    // server lacks the DAMAGE extension.
    WindowWatch();
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Spawns `program` in `directory`, waits for its top-level window titled
    // `title`, follows its drawing until it has been still for `settleMs`, then
    // reads VmHWM and ends the program (SIGTERM, SIGKILL after 2 s).
    WindowRun run(const std::string& program, const std::string& directory,
                  const std::string& title, int settleMs, int timeoutMs);

private:
    Time serverTime();

    Display* display_ = nullptr;
    Window root_ = 0;
    int damageEventBase_ = 0;
    Atom clockAtom_ = 0;  // a root property touched to read the server's clock
};
