// One Linux event device's reports as a PadState (the decoding, without the
// device), and two ways in for tests: the scan of another directory, and a
// descriptor taken as a pad.
#pragma once

#include <linux/input.h>

#include <cstdint>

#include "platform/gamepad.h"
#include "platform/pad_stick.h"

namespace platform {

// An axis's range as EVIOCGABS reports it; an empty one is never deflected.
struct AxisRange {
    std::int32_t minimum = 0, maximum = 0;
};

// The keys and axes a pad's state is made of: what resynchronising reads back.
constexpr std::uint16_t PAD_KEYS[] = {BTN_SOUTH,     BTN_EAST,      BTN_START,     BTN_DPAD_UP,
                                      BTN_DPAD_DOWN, BTN_DPAD_LEFT, BTN_DPAD_RIGHT};
constexpr std::uint16_t PAD_AXES[] = {ABS_X, ABS_Y, ABS_HAT0X, ABS_HAT0Y};

// The D-pad as keys (BTN_DPAD_*) or as a hat (ABS_HAT0X/Y, -1/0/1), the left
// stick (ABS_X/Y, as PadStick counts it) and the three buttons, each key held
// while its value is not 0 (2 is autorepeat). Values change together, at each
// report (EV_SYN SYN_REPORT).
class EvdevPad {
public:
    // A stick at rest until its first report (a stick of 0..255 rests at 127).
    EvdevPad(AxisRange stickX, AxisRange stickY)
        : stickX_(stickX), stickY_(stickY), x_(centre(stickX)), y_(centre(stickY)) {}

    // Takes one event. True when events were lost (SYN_DROPPED, up to the
    // report that follows it, which is dropped with them): the caller then
    // reads the device's state back (EVIOCGKEY, EVIOCGABS) and feeds it in as
    // events of PAD_KEYS and PAD_AXES followed by a SYN_REPORT.
    bool take(std::uint16_t type, std::uint16_t code, std::int32_t value);

    // The state as of the last report.
    const PadState& state() const { return state_; }

private:
    static std::int32_t centre(AxisRange range) {
        return static_cast<std::int32_t>((std::int64_t{range.minimum} + range.maximum) / 2);
    }
    void report();

    AxisRange stickX_, stickY_;
    std::int32_t x_, y_, hatX_ = 0, hatY_ = 0;
    PadState keys_;  // the D-pad keys as directions, and the buttons
    bool droppingEvents_ = false;
    PadStick stick_;
    PadState state_;
};

// scanGamepads over `directory` instead of /dev/input.
void scanGamepadsIn(const char* directory);

// Takes an open, non-blocking event device as a pad, as the scan does once
// it has found one (tests hand it a pipe).
void adoptGamepad(int descriptor);

}  // namespace platform
