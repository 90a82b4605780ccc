#include "platform/evdev_pad.h"

#include <utility>

namespace platform {

namespace {

constexpr std::pair<std::uint16_t, bool PadState::*> KEY_FIELDS[] = {
    {BTN_SOUTH, &PadState::south},      {BTN_EAST, &PadState::east},
    {BTN_START, &PadState::start},      {BTN_DPAD_UP, &PadState::up},
    {BTN_DPAD_DOWN, &PadState::down},   {BTN_DPAD_LEFT, &PadState::left},
    {BTN_DPAD_RIGHT, &PadState::right},
};

}  // namespace

bool EvdevPad::take(std::uint16_t type, std::uint16_t code, std::int32_t value) {
    if (type == EV_SYN && code == SYN_DROPPED) {
        droppingEvents_ = true;
    } else if (type == EV_SYN && code == SYN_REPORT) {
        if (std::exchange(droppingEvents_, false)) return true;
        report();
    } else if (droppingEvents_) {
        // Part of a report that events are missing from.
    } else if (type == EV_KEY) {
        for (const auto& [key, field] : KEY_FIELDS) {
            if (key == code) keys_.*field = value != 0;
        }
    } else if (type == EV_ABS) {
        if (code == ABS_HAT0X) hatX_ = value;
        if (code == ABS_HAT0Y) hatY_ = value;
        if (code == ABS_X) x_ = value;
        if (code == ABS_Y) y_ = value;
    }
    return false;
}

void EvdevPad::report() {
    state_ = keys_;
    state_.up |= hatY_ < 0;
    state_.down |= hatY_ > 0;
    state_.left |= hatX_ < 0;
    state_.right |= hatX_ > 0;
    stick_.move(stickDeflection(x_, stickX_.minimum, stickX_.maximum),
                stickDeflection(y_, stickY_.minimum, stickY_.maximum));
    stick_.addDirection(state_);
}

}  // namespace platform
