// One XInput controller's report as a PadState. Plain code without Windows
// headers, so that both systems build and test it.
#pragma once

#include <cstdint>

#include "platform/gamepad.h"
#include "platform/pad_stick.h"

namespace platform {

class XInputPad {
public:
    // XINPUT_GAMEPAD's wButtons, sThumbLX and sThumbLY (thumb Y positive is up).
    PadState decode(std::uint16_t buttons, std::int16_t thumbX, std::int16_t thumbY);

private:
    PadStick stick_;
};

}  // namespace platform
