// Game controllers: the evdev and XInput decoding on recorded reports, and
// the scan of a system without pads.
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

#include <filesystem>

#include "platform/evdev_pad.h"
#endif

namespace {

using platform::PadState;

PadState directions(bool up, bool down, bool left, bool right) {
    PadState state;
    state.up = up, state.down = down, state.left = left, state.right = right;
    return state;
}
const PadState NONE, UP = directions(1, 0, 0, 0), DOWN = directions(0, 1, 0, 0),
                     LEFT = directions(0, 0, 1, 0), RIGHT = directions(0, 0, 0, 1);

// The stick as XInput gives it, each axis a fraction of its travel.
PadState xinputStick(platform::XInputPad& pad, double x, double y) {
    return pad.decode(0, static_cast<std::int16_t>(x * 32767),
                      static_cast<std::int16_t>(y * 32767));
}

// The rule both systems share: past half the travel, held down to 40 %;
// the larger deflection wins a diagonal; Y positive is up.
TEST(XInputPad, DecodesButtonsAndTheStickWithHysteresis) {
    platform::XInputPad pad;
    for (const auto& [bit, field] : {std::pair{0x0001, &PadState::up},
                                     {0x0002, &PadState::down},
                                     {0x0004, &PadState::left},
                                     {0x0008, &PadState::right},
                                     {0x0010, &PadState::start},
                                     {0x1000, &PadState::south},
                                     {0x2000, &PadState::east}}) {
        PadState only;
        only.*field = true;
        EXPECT_EQ(pad.decode(bit, 0, 0), only) << bit;
    }
    EXPECT_EQ(pad.decode(0xCFE0, 0, 0), NONE);  // the triggers' and shoulders' bits, X, Y
    const struct {
        double x, y;
        PadState expected;
    } steps[] = {{0.1, -0.2, NONE}, {0.49, 0, NONE},    {0.51, 0, RIGHT}, {0.41, 0, RIGHT},
                 {0.39, 0, NONE},   {0.45, 0, NONE},    {0, 0.6, UP},     {0.7, 0.6, RIGHT},
                 {0.7, 0.8, UP},    {0.2, -0.45, NONE}, {-1, 0, LEFT},    {0, -1, DOWN}};
    for (const auto& step : steps) {
        EXPECT_EQ(xinputStick(pad, step.x, step.y), step.expected) << step.x << ", " << step.y;
    }
    EXPECT_EQ(pad.decode(0, -32768, 0), LEFT);
}

#ifndef _WIN32

struct Event {
    std::uint16_t type, code;
    std::int32_t value;
};

// Feeds the events; the state after them.
PadState feed(platform::EvdevPad& pad, std::initializer_list<Event> events) {
    for (const Event& event : events) EXPECT_FALSE(pad.take(event.type, event.code, event.value));
    return pad.state();
}

// As xpad reports an Xbox pad: sticks -32768..32767 (Y down), the D-pad as a hat.
TEST(EvdevPad, DecodesAnXboxPadReportByReport) {
    platform::EvdevPad pad({-32768, 32767}, {-32768, 32767});
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_X, 2100},
                         {EV_ABS, ABS_Y, -3900},
                         {EV_SYN, SYN_REPORT, 0},
                         {EV_ABS, ABS_X, -1500},
                         {EV_SYN, SYN_REPORT, 0}}),
              NONE);
    PadState south;
    south.south = true;
    EXPECT_EQ(feed(pad, {{EV_KEY, BTN_SOUTH, 1}, {EV_ABS, ABS_RX, 30000}}), NONE);  // not yet
    EXPECT_EQ(feed(pad, {{EV_SYN, SYN_REPORT, 0}}), south);
    EXPECT_EQ(feed(pad, {{EV_KEY, BTN_SOUTH, 2}, {EV_SYN, SYN_REPORT, 0}}), south);
    EXPECT_TRUE(
        feed(pad, {{EV_KEY, BTN_EAST, 1}, {EV_KEY, BTN_START, 1}, {EV_SYN, SYN_REPORT, 0}}).start);
    EXPECT_TRUE(pad.state().east);
    EXPECT_EQ(feed(pad, {{EV_KEY, BTN_SOUTH, 0},
                         {EV_KEY, BTN_EAST, 0},
                         {EV_KEY, BTN_START, 0},
                         {EV_ABS, ABS_HAT0X, -1},
                         {EV_SYN, SYN_REPORT, 0}}),
              LEFT);
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_HAT0X, 0}, {EV_ABS, ABS_HAT0Y, 1}, {EV_SYN, SYN_REPORT, 0}}),
              DOWN);
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_HAT0Y, -1}, {EV_SYN, SYN_REPORT, 0}}), UP);
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_HAT0Y, 0}, {EV_ABS, ABS_HAT0X, 1}, {EV_SYN, SYN_REPORT, 0}}),
              RIGHT);
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_HAT0X, 0},
                         {EV_ABS, ABS_X, 20000},  // 61 % right,
                         {EV_ABS, ABS_Y, 26000},
                         {EV_SYN, SYN_REPORT, 0}}),  // 79 % down
              DOWN);
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_Y, 14000}, {EV_SYN, SYN_REPORT, 0}}), RIGHT);  // 43 %
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_X, 12000}, {EV_SYN, SYN_REPORT, 0}}), DOWN);   // 37 %
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_Y, 12000}, {EV_SYN, SYN_REPORT, 0}}), NONE);
}

// A generic USB pad: the D-pad as keys, the stick 0..255 at rest at 128.
// Lost events are dropped up to the next report, and the pad asks to be read
// back from the device, which then comes in as one report.
TEST(EvdevPad, DecodesDpadKeysAndAsksForResyncAfterLostEvents) {
    platform::EvdevPad pad({0, 255}, {0, 255});
    EXPECT_EQ(feed(pad, {{EV_KEY, BTN_DPAD_UP, 1}, {EV_SYN, SYN_REPORT, 0}}), UP);
    EXPECT_EQ(
        feed(pad, {{EV_KEY, BTN_DPAD_UP, 0}, {EV_KEY, BTN_DPAD_RIGHT, 1}, {EV_SYN, SYN_REPORT, 0}}),
        RIGHT);
    EXPECT_EQ(
        feed(pad,
             {{EV_KEY, BTN_DPAD_RIGHT, 0}, {EV_KEY, BTN_DPAD_DOWN, 1}, {EV_SYN, SYN_REPORT, 0}}),
        DOWN);
    EXPECT_EQ(
        feed(pad,
             {{EV_KEY, BTN_DPAD_DOWN, 0}, {EV_KEY, BTN_DPAD_LEFT, 1}, {EV_SYN, SYN_REPORT, 0}}),
        LEFT);
    EXPECT_EQ(
        feed(pad, {{EV_KEY, BTN_DPAD_LEFT, 0}, {EV_SYN, SYN_DROPPED, 0}, {EV_KEY, BTN_DPAD_UP, 1}}),
        LEFT);
    EXPECT_TRUE(pad.take(EV_SYN, SYN_REPORT, 0));
    EXPECT_EQ(pad.state(), LEFT);
    // A digital stick's diagonal is a tie: vertical. 41 % right is not yet right.
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_X, 0}, {EV_ABS, ABS_Y, 0}, {EV_SYN, SYN_REPORT, 0}}), UP);
    EXPECT_EQ(feed(pad, {{EV_ABS, ABS_X, 180}, {EV_ABS, ABS_Y, 127}, {EV_SYN, SYN_REPORT, 0}}),
              NONE);
    platform::EvdevPad noStick({0, 0}, {5, -5});
    EXPECT_EQ(
        feed(noStick, {{EV_ABS, ABS_X, 1000}, {EV_ABS, ABS_Y, 1000}, {EV_SYN, SYN_REPORT, 0}}),
        NONE);
}

// Entries no pad could be: not event devices, or devices without BTN_SOUTH.
TEST(Gamepads, StrangeEntriesAreNoPads) {
    test_support::ScratchDirectory scratch;
    test_support::writeFile("input/event0", "not a device");
    std::filesystem::create_directory("input/event1");
    std::filesystem::create_symlink("/dev/null", "input/event2");
    ASSERT_EQ(mkfifo("input/event3", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "input/mouse0");
    for (const char* directory : {"input", "input", "no/such/directory"}) {
        platform::scanGamepadsIn(directory);
        EXPECT_FALSE(platform::gamepadConnected());
        EXPECT_TRUE(platform::gamepadDescriptors().empty());
        EXPECT_EQ(platform::readGamepads(), NONE);
    }
    platform::closeGamepads();
}

// The reader on a pipe standing in for an event device (it answers no evdev
// ioctl): every pending event taken, whole events only, the end of the
// stream a pad unplugged, closed and released.
TEST(Gamepads, ReadsWhatIsPendingAndDropsAPadThatIsGone) {
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    platform::adoptGamepad(ends[0]);
    EXPECT_EQ(platform::gamepadDescriptors(), std::vector<int>{ends[0]});
    EXPECT_EQ(platform::readGamepads(), NONE);
    std::vector<input_event> events(100, input_event{{}, EV_KEY, BTN_EAST, 2});  // > one read
    events.push_back({{}, EV_KEY, BTN_SOUTH, 1});
    events.push_back({{}, EV_SYN, SYN_REPORT, 0});
    events.push_back({{}, EV_ABS, ABS_HAT0Y, 1});  // its report yet to come
    const size_t bytes = events.size() * sizeof events[0];
    ASSERT_EQ(write(ends[1], events.data(), bytes), static_cast<ssize_t>(bytes));
    PadState held;
    held.south = held.east = true;
    EXPECT_EQ(platform::readGamepads(), held);
    const input_event report{{}, EV_SYN, SYN_REPORT, 0};
    ASSERT_EQ(write(ends[1], &report, sizeof report), static_cast<ssize_t>(sizeof report));
    ASSERT_EQ(write(ends[1], &report, 10), 10);  // and a piece of one
    held.down = true;
    EXPECT_EQ(platform::readGamepads(), held);
    EXPECT_TRUE(platform::gamepadConnected());
    close(ends[1]);
    EXPECT_EQ(platform::readGamepads(), NONE);
    EXPECT_FALSE(platform::gamepadConnected());
    platform::closeGamepads();
}

#endif

// Here (a machine or a Wine prefix without controllers): no pad, no crash.
TEST(Gamepads, ScanWithoutControllersFindsNone) {
    platform::scanGamepads();
    platform::scanGamepads();
    if (platform::gamepadConnected()) GTEST_SKIP() << "a controller is connected";
    EXPECT_FALSE(platform::gamepadConnected());
    EXPECT_TRUE(platform::gamepadDescriptors().empty());
    EXPECT_EQ(platform::readGamepads(), NONE);
    platform::closeGamepads();
}

}  // namespace
