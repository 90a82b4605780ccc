#include "input/pad_navigation.h"

#include <iterator>

namespace {

using platform::PadState;

// Each key's field of PadState; directions first, in NavKey's order.
constexpr bool PadState::*KEY_FIELDS[] = {&PadState::up,    &PadState::down,  &PadState::left,
                                          &PadState::right, &PadState::south, &PadState::east,
                                          &PadState::start};
constexpr int DIRECTIONS = 4;

}  // namespace

std::vector<NavKey> PadNavigation::update(const PadState& state, double now) {
    std::vector<NavKey> keys;
    int pressed = -1;
    for (int key = 0; key < DIRECTIONS && pressed < 0; ++key) {
        if (state.*KEY_FIELDS[key] && !(previous_.*KEY_FIELDS[key])) pressed = key;
    }
    if (pressed >= 0) {
        active_ = pressed;
        repeatAt_ = now + REPEAT_DELAY;
        keys.push_back(static_cast<NavKey>(pressed));
    } else if (active_ >= 0 && !(state.*KEY_FIELDS[active_])) {
        active_ = -1;
    } else if (active_ >= 0 && now >= repeatAt_) {
        // The next one a whole interval on, from now if the call came late.
        repeatAt_ += REPEAT_INTERVAL;
        if (repeatAt_ <= now) repeatAt_ = now + REPEAT_INTERVAL;
        keys.push_back(static_cast<NavKey>(active_));
    }
    for (int key = DIRECTIONS; key < static_cast<int>(std::size(KEY_FIELDS)); ++key) {
        if (state.*KEY_FIELDS[key] && !(previous_.*KEY_FIELDS[key])) {
            keys.push_back(static_cast<NavKey>(key));
        }
    }
    previous_ = state;
    return keys;
}

double PadNavigation::nextRepeatAt() const { return active_ >= 0 ? repeatAt_ : -1; }

void PadNavigation::reset() { *this = PadNavigation(); }
