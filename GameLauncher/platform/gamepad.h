// Game controllers, read behind the platform layer: evdev on Linux
// (gamepad_posix.cpp), XInput on Windows (gamepad_win32.cpp).
#pragma once

#include <vector>

namespace platform {

// What the launcher reads of game controllers, every connected pad merged:
// the D-pad and the left stick (past a dead zone) as four directions, and three buttons.
struct PadState {
    bool up = false, down = false, left = false, right = false;
    bool south = false;  // A (Xbox), Cross (PlayStation)
    bool east = false;   // B, Circle
    bool start = false;  // Start, Menu, Options
};

inline bool operator==(const PadState& a, const PadState& b) {
    return a.up == b.up && a.down == b.down && a.left == b.left && a.right == b.right &&
           a.south == b.south && a.east == b.east && a.start == b.start;
}
inline bool operator!=(const PadState& a, const PadState& b) { return !(a == b); }

// Merges a pad into the state of several: held on any is held.
inline PadState& operator|=(PadState& merged, const PadState& pad) {
    merged.up |= pad.up, merged.down |= pad.down, merged.left |= pad.left;
    merged.right |= pad.right, merged.south |= pad.south, merged.east |= pad.east;
    merged.start |= pad.start;
    return merged;
}

// Looks for controllers not yet open. Linux: event devices under /dev/input whose key bits
// include BTN_SOUTH (other devices are closed again at once and not reopened on later scans
// while their device node stays the same); Windows: XInput, loaded on the first call
// (xinput1_4.dll, else xinput9_1_0.dll, only from the system directory, so that no DLL
// planted in the installation or working directory is loaded; neither: no pads, ever), its
// four slots checked. Cheap enough to call every 2 s.
void scanGamepads();

// Whether a pad is open.
bool gamepadConnected();

// Descriptors that become readable when a pad has news (Linux: one per open pad);
// Windows: none, the state is polled with readGamepads.
std::vector<int> gamepadDescriptors();

// Reads everything pending from every open pad without blocking; a pad that is gone
// (unplugged: ENODEV or another read error; XInput: not connected) is closed and its
// buttons and directions count as released. Gives the merged state.
PadState readGamepads();

// Closes every pad and forgets every device (tests; the next scan starts afresh).
void closeGamepads();

}  // namespace platform
