#include "platform/xinput_pad.h"

namespace platform {

namespace {

// XINPUT_GAMEPAD_* bits of wButtons.
constexpr std::uint16_t DPAD_UP = 0x0001, DPAD_DOWN = 0x0002, DPAD_LEFT = 0x0004,
                        DPAD_RIGHT = 0x0008, START = 0x0010, A = 0x1000, B = 0x2000;
constexpr double THUMB_MIN = -32768, THUMB_MAX = 32767;

}  // namespace

PadState XInputPad::decode(std::uint16_t buttons, std::int16_t thumbX, std::int16_t thumbY) {
    PadState state;
    state.up = buttons & DPAD_UP;
    state.down = buttons & DPAD_DOWN;
    state.left = buttons & DPAD_LEFT;
    state.right = buttons & DPAD_RIGHT;
    state.start = buttons & START;
    state.south = buttons & A;
    state.east = buttons & B;
    stick_.move(stickDeflection(thumbX, THUMB_MIN, THUMB_MAX),
                -stickDeflection(thumbY, THUMB_MIN, THUMB_MAX));
    stick_.addDirection(state);
    return state;
}

}  // namespace platform
