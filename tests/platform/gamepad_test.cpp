// Game controllers: the XInput and evdev decoding on recorded reports, the
// Linux reader on a pipe, and the scan of a system without pads.
#include "platform/gamepad.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/xinput_pad.h"
#include "support/test_support.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/evdev_pad.h"
#endif

namespace {

using platform::PadState;

PadState held(bool PadState::*field, bool PadState::*alsoHeld = nullptr) {
    PadState state;
    state.*field = true;
    if (alsoHeld) state.*alsoHeld = true;
    return state;
}
const PadState NONE, UP = held(&PadState::up), DOWN = held(&PadState::down),
                     LEFT = held(&PadState::left), RIGHT = held(&PadState::right);

// The stick rule both systems share: past half the travel, held down to 40 %,
// the larger deflection winning a diagonal. XInput's Y is positive up.
TEST(XInputPad, DecodesButtonsAndTheStickWithHysteresis) {
    platform::XInputPad pad;
    const std::pair<int, bool PadState::*> bits[] = {
        {0x0001, &PadState::up},    {0x0002, &PadState::down},  {0x0004, &PadState::left},
        {0x0008, &PadState::right}, {0x0010, &PadState::start}, {0x1000, &PadState::south},
        {0x2000, &PadState::east}};
    for (const auto& [bit, field] : bits) EXPECT_EQ(pad.decode(bit, 0, 0), held(field)) << bit;
    EXPECT_EQ(pad.decode(0xCFE0, 0, 0), NONE);  // the other bits: shoulders, thumbs, X, Y
    // Thumbs at 10 % and 20 %, 51 %, 41 %, 39 %; 60 %; a diagonal of 70 % and 80 %.
    const struct {
        std::int16_t x, y;
        PadState expected;
    } steps[] = {{3300, -6600, NONE}, {16800, 0, RIGHT},  {13500, 0, RIGHT}, {12700, 0, NONE},
                 {0, 19700, UP},      {23000, 26000, UP}, {-32768, 0, LEFT}, {0, -32768, DOWN}};
    for (const auto& step : steps) {
        EXPECT_EQ(pad.decode(0, step.x, step.y), step.expected) << step.x << ", " << step.y;
    }
}

#ifndef _WIN32

struct Event {
    std::uint16_t type, code;
    std::int32_t value;
};
Event key(std::uint16_t code, std::int32_t value) { return {EV_KEY, code, value}; }
Event axis(std::uint16_t code, std::int32_t value) { return {EV_ABS, code, value}; }

// Feeds the events and a SYN_REPORT; the state they report.
PadState report(platform::EvdevPad& pad, std::initializer_list<Event> events) {
    for (const Event& event : events) EXPECT_FALSE(pad.take(event.type, event.code, event.value));
    EXPECT_FALSE(pad.take(EV_SYN, SYN_REPORT, 0));
    return pad.state();
}

// As xpad reports an Xbox pad: sticks -32768..32767 (Y down), the D-pad as a hat.
TEST(EvdevPad, DecodesAnXboxPadReportByReport) {
    platform::EvdevPad pad({-32768, 32767}, {-32768, 32767});
    EXPECT_EQ(report(pad, {axis(ABS_X, 2100), axis(ABS_Y, -3900)}), NONE);  // noise at rest
    EXPECT_FALSE(pad.take(EV_KEY, BTN_SOUTH, 1));
    EXPECT_EQ(pad.state(), NONE);  // until the report
    EXPECT_EQ(report(pad, {axis(ABS_RX, 30000)}), held(&PadState::south));
    EXPECT_EQ(report(pad, {key(BTN_SOUTH, 2), key(BTN_EAST, 1)}),  // 2: autorepeat
              held(&PadState::south, &PadState::east));
    EXPECT_EQ(report(pad, {key(BTN_SOUTH, 0), key(BTN_EAST, 0), key(BTN_START, 1)}),
              held(&PadState::start));
    EXPECT_EQ(report(pad, {key(BTN_START, 0), axis(ABS_HAT0X, -1)}), LEFT);
    EXPECT_EQ(report(pad, {axis(ABS_HAT0X, 1)}), RIGHT);
    EXPECT_EQ(report(pad, {axis(ABS_HAT0X, 0), axis(ABS_HAT0Y, 1)}), DOWN);
    EXPECT_EQ(report(pad, {axis(ABS_HAT0Y, -1)}), UP);
    // 61 % right and 79 % down; then 43 % down, which still counts, and 37 % right.
    EXPECT_EQ(report(pad, {axis(ABS_HAT0Y, 0), axis(ABS_X, 20000), axis(ABS_Y, 26000)}), DOWN);
    EXPECT_EQ(report(pad, {axis(ABS_Y, 14000)}), RIGHT);
    EXPECT_EQ(report(pad, {axis(ABS_X, 12000)}), DOWN);
    EXPECT_EQ(report(pad, {axis(ABS_Y, 12000)}), NONE);
}

// A generic USB pad: the D-pad as keys, the stick 0..255 at rest at 127.5.
// Lost events are dropped up to the next report, and the pad asks to be read
// back from the device.
TEST(EvdevPad, DecodesDpadKeysAndAsksForResyncAfterLostEvents) {
    platform::EvdevPad pad({0, 255}, {0, 255});
    EXPECT_EQ(report(pad, {key(BTN_DPAD_UP, 1)}), UP);
    EXPECT_EQ(report(pad, {key(BTN_DPAD_UP, 0), key(BTN_DPAD_RIGHT, 1)}), RIGHT);
    EXPECT_EQ(report(pad, {key(BTN_DPAD_RIGHT, 0), key(BTN_DPAD_DOWN, 1)}), DOWN);
    EXPECT_EQ(report(pad, {key(BTN_DPAD_DOWN, 0), key(BTN_DPAD_LEFT, 1)}), LEFT);
    EXPECT_FALSE(pad.take(EV_KEY, BTN_DPAD_LEFT, 0));
    EXPECT_FALSE(pad.take(EV_SYN, SYN_DROPPED, 0));
    EXPECT_FALSE(pad.take(EV_KEY, BTN_DPAD_UP, 1));
    EXPECT_TRUE(pad.take(EV_SYN, SYN_REPORT, 0));
    EXPECT_EQ(pad.state(), LEFT);
    // A digital stick's diagonal, a tie, goes vertical; 41 % right is nothing yet.
    EXPECT_EQ(report(pad, {axis(ABS_X, 0), axis(ABS_Y, 0)}), UP);
    EXPECT_EQ(report(pad, {axis(ABS_X, 180), axis(ABS_Y, 127)}), NONE);
    platform::EvdevPad noStick({0, 0}, {5, -5});
    EXPECT_EQ(report(noStick, {axis(ABS_X, 1000), axis(ABS_Y, 1000)}), NONE);
}

// The reader on a pipe standing in for an event device (it answers no evdev
// ioctl): every pending event taken, whole events only, the end of the
// stream or a failing read a pad unplugged, closed and released.
TEST(Gamepads, ReadsWhatIsPendingAndDropsAPadThatIsGone) {
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    platform::adoptGamepad(ends[0]);
    EXPECT_EQ(platform::gamepadDescriptors(), std::vector<int>{ends[0]});
    EXPECT_EQ(platform::readGamepads(), NONE);
    // More than one call takes (1024): the rest waits for the next.
    std::vector<input_event> events(1030, input_event{{}, EV_KEY, BTN_EAST, 2});
    events.push_back({{}, EV_KEY, BTN_SOUTH, 1});
    events.push_back({{}, EV_SYN, SYN_REPORT, 0});
    events.push_back({{}, EV_ABS, ABS_HAT0Y, 1});  // its report yet to come
    const input_event report{{}, EV_SYN, SYN_REPORT, 0};
    const ssize_t bytes = events.size() * sizeof report;
    ASSERT_EQ(write(ends[1], events.data(), bytes), bytes);
    EXPECT_EQ(platform::readGamepads(), NONE);
    EXPECT_EQ(platform::readGamepads(), held(&PadState::south, &PadState::east));
    ASSERT_EQ(write(ends[1], &report, sizeof report), ssize_t{sizeof report});
    ASSERT_EQ(write(ends[1], &report, 10), 10);  // and a piece of one
    EXPECT_TRUE(platform::readGamepads().down);
    close(ends[1]);
    EXPECT_EQ(platform::readGamepads(), NONE);
    EXPECT_FALSE(platform::gamepadConnected());
    platform::adoptGamepad(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));  // reads fail: EISDIR
    EXPECT_EQ(platform::readGamepads(), NONE);
    EXPECT_FALSE(platform::gamepadConnected());
}

#endif

// No pad, no crash: on Linux in a directory of entries that no pad could be,
// then here (a machine or a Wine prefix without controllers).
TEST(Gamepads, ScanWithoutControllersFindsNone) {
#ifndef _WIN32
    test_support::ScratchDirectory scratch;
    test_support::writeFile("input/event0", "not a device");
    test_support::writeFile("input/event1/file", "a directory");
    ASSERT_EQ(symlink("/dev/null", "input/event2"), 0);
    ASSERT_EQ(mkfifo("input/event3", 0600), 0);
    for (const char* directory : {"input", "input", "no/such/directory"}) {
        platform::scanGamepadsIn(directory);
    }
    EXPECT_FALSE(platform::gamepadConnected());
#endif
    platform::scanGamepads();
    platform::scanGamepads();
    if (platform::gamepadConnected()) GTEST_SKIP() << "a controller is connected";
    EXPECT_TRUE(platform::gamepadDescriptors().empty());
    EXPECT_EQ(platform::readGamepads(), NONE);
    platform::closeGamepads();
}

}  // namespace
