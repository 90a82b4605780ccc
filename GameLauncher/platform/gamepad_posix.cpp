// Linux side of the game controllers: evdev devices under /dev/input, read
// without blocking and decoded by EvdevPad.
#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/evdev_pad.h"
#include "platform/gamepad.h"

namespace platform {

namespace {

// A device node as made when its device was added: the kernel hands a freed
// device number to the next device, but the node made for it is a new inode.
struct Node {
    dev_t device;
    ino_t inode;
    bool operator==(const Node& other) const {
        return device == other.device && inode == other.inode;
    }
};

struct OpenPad {
    int descriptor;
    Node node;
    EvdevPad decoder;
};

std::vector<OpenPad> openPads;
std::vector<Node> notPads;  // devices seen at the last scan that have no BTN_SOUTH

constexpr unsigned LONG_BITS = sizeof(unsigned long) * 8;
using KeyBits = unsigned long[KEY_MAX / LONG_BITS + 1];  // as the kernel fills them

bool hasBit(const KeyBits& bits, unsigned code) {
    return (bits[code / LONG_BITS] >> (code % LONG_BITS)) & 1;
}

bool isPad(int descriptor) {
    KeyBits keys = {};
    return ioctl(descriptor, EVIOCGBIT(EV_KEY, sizeof keys), keys) >= 0 && hasBit(keys, BTN_SOUTH);
}

AxisRange axisRange(int descriptor, unsigned axis) {
    input_absinfo info = {};
    if (ioctl(descriptor, EVIOCGABS(axis), &info) < 0) return {};
    return {info.minimum, info.maximum};
}

// Feeds the device's present state to the decoder as one report: after
// lost events, and when a pad is opened with a button held or the stick out.
void resynchronise(int descriptor, EvdevPad& decoder) {
    KeyBits keys = {};
    if (ioctl(descriptor, EVIOCGKEY(sizeof keys), keys) >= 0) {
        for (unsigned key : PAD_KEYS) decoder.take(EV_KEY, key, hasBit(keys, key));
    }
    for (unsigned axis : PAD_AXES) {
        input_absinfo info = {};
        if (ioctl(descriptor, EVIOCGABS(axis), &info) >= 0) decoder.take(EV_ABS, axis, info.value);
    }
    decoder.take(EV_SYN, SYN_REPORT, 0);
}

bool isOpen(const Node& node) {
    for (const OpenPad& pad : openPads) {
        if (pad.node == node) return true;
    }
    return false;
}

bool isNotPad(const Node& node) {
    for (const Node& known : notPads) {
        if (known == node) return true;
    }
    return false;
}

void addPad(int descriptor, Node node) {
    OpenPad pad{descriptor, node,
                EvdevPad(axisRange(descriptor, ABS_X), axisRange(descriptor, ABS_Y))};
    resynchronise(descriptor, pad.decoder);
    openPads.push_back(pad);
}

// Opens the event device at `path` when it is a pad; remembers it in
// `seenNotPads` when it is a device of another kind. One that cannot be
// opened now (no permission, still being set up) is tried again next scan.
void openIfPad(const char* path, std::vector<Node>& seenNotPads) {
    struct stat info;
    if (stat(path, &info) != 0 || !S_ISCHR(info.st_mode)) return;
    const Node node{info.st_rdev, info.st_ino};
    if (isNotPad(node)) seenNotPads.push_back(node);
    if (isNotPad(node) || isOpen(node)) return;
    const int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return;
    if (!isPad(descriptor)) {
        close(descriptor);
        seenNotPads.push_back(node);
        return;
    }
    addPad(descriptor, node);
}

// Takes every event pending on the pad. False when the pad is gone.
bool readEvents(OpenPad& pad) {
    input_event events[64];
    // Bounded, so that a device that never stops talking cannot hold the
    // launcher; what is left stays readable for the next call.
    for (int round = 0; round < 16; ++round) {
        const ssize_t bytes = read(pad.descriptor, events, sizeof events);
        if (bytes < 0 && errno == EINTR) continue;
        if (bytes < 0) return errno == EAGAIN || errno == EWOULDBLOCK;
        if (bytes == 0) return false;  // no device ends its stream but one that is gone
        const size_t count = static_cast<size_t>(bytes) / sizeof events[0];
        for (size_t i = 0; i < count; ++i) {
            if (pad.decoder.take(events[i].type, events[i].code, events[i].value)) {
                resynchronise(pad.descriptor, pad.decoder);
            }
        }
        // A piece of an event (evdev gives whole ones) is an event lost.
        if (static_cast<size_t>(bytes) % sizeof events[0] != 0) {
            resynchronise(pad.descriptor, pad.decoder);
        }
        if (static_cast<size_t>(bytes) < sizeof events) return true;
    }
    return true;
}

}  // namespace

void scanGamepadsIn(const char* directory) {
    std::vector<Node> seenNotPads;
    if (DIR* entries = opendir(directory)) {
        while (const dirent* entry = readdir(entries)) {
            if (std::strncmp(entry->d_name, "event", 5) != 0) continue;
            char path[512];
            const int length = std::snprintf(path, sizeof path, "%s/%s", directory, entry->d_name);
            if (length > 0 && static_cast<size_t>(length) < sizeof path) {
                openIfPad(path, seenNotPads);
            }
        }
        closedir(entries);
    }
    // Only what is still there is remembered, so the list stays as short as
    // the directory.
    notPads.swap(seenNotPads);
}

void scanGamepads() { scanGamepadsIn("/dev/input"); }

void adoptGamepad(int descriptor) { addPad(descriptor, Node{}); }

bool gamepadConnected() { return !openPads.empty(); }

std::vector<int> gamepadDescriptors() {
    std::vector<int> descriptors;
    for (const OpenPad& pad : openPads) descriptors.push_back(pad.descriptor);
    return descriptors;
}

PadState readGamepads() {
    PadState merged;
    for (auto pad = openPads.begin(); pad != openPads.end();) {
        if (!readEvents(*pad)) {
            close(pad->descriptor);
            pad = openPads.erase(pad);
            continue;
        }
        merged |= pad->decoder.state();
        ++pad;
    }
    return merged;
}

void closeGamepads() {
    for (const OpenPad& pad : openPads) close(pad.descriptor);
    openPads.clear();
    notPads.clear();
}

}  // namespace platform
