// Game controllers: XInput and evdev decoding, the Linux reader on a pipe, the scan without pads.
#include "platform/gamepad.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/xinput_pad.h"
#include "support/test_support.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include "platform/evdev_pad.h"
#endif

namespace {

// What is held, as letters: Up, Down, Left, Right, A (south), B (east), Start; "-" for nothing.
std::string held(const platform::PadState& s) {
    const bool bits[] = {s.up, s.down, s.left, s.right, s.south, s.east, s.start};
    std::string letters;
    for (int i = 0; i < 7; ++i)
        if (bits[i]) letters += "UDLRABS"[i];
    return letters.empty() ? "-" : letters;
}

// Up and the bits that count for nothing (shoulders, thumbs, X, Y), then the others; the thumb at
// 10 % and 20 %, 60 % up (Y is positive up), 51 % right. The stick rule is pinned on evdev below.
TEST(XInputPad, DecodesButtonsAndTheStick) {
    platform::XInputPad pad;
    EXPECT_EQ(held(pad.decode(0xCFE1, 3300, -6600)), "U");
    EXPECT_EQ(held(pad.decode(0x301E, 0, 19700)), "UDLRABS");
    EXPECT_EQ(held(pad.decode(0, 16800, 0)), "R");
}

#ifndef _WIN32

input_event key(std::uint16_t code, std::int32_t value) { return {{}, EV_KEY, code, value}; }
input_event axis(std::uint16_t code, std::int32_t value) { return {{}, EV_ABS, code, value}; }
const input_event SYN{{}, EV_SYN, SYN_REPORT, 0}, DROPPED{{}, EV_SYN, SYN_DROPPED, 0};

// What the pad holds at each report of the events, "!" where it asks to be read back.
template <typename... Events>
std::string play(platform::EvdevPad& pad, const Events&... events) {
    std::string reports;
    for (const input_event& event : {events...}) {
        const bool resync = pad.take(event.type, event.code, event.value);
        if (event.type == EV_SYN && event.code == SYN_REPORT) reports += " " + held(pad.state());
        if (resync) reports += "!";
    }
    return reports.erase(0, 1);
}

// As xpad reports an Xbox pad: keys held while not 0 (2: autorepeat), the D-pad as a hat, sticks
// -32768..32767 with Y down: at rest 6 % and 12 % off; 61 % right and 79 % down (the larger wins);
// 43 % down, which still counts (past 50 %, held down to 40 %); 37 % right; 37 % down.
TEST(EvdevPad, DecodesAnXboxPadReportByReport) {
    platform::EvdevPad pad({-32768, 32767}, {-32768, 32767});
    EXPECT_EQ(play(pad, axis(ABS_X, 2100), axis(ABS_Y, -3900), axis(ABS_RX, 30000),
                   key(BTN_SOUTH, 1), SYN, key(BTN_SOUTH, 2), key(BTN_EAST, 1), key(BTN_START, 1),
                   SYN, key(BTN_SOUTH, 0), key(BTN_EAST, 0), key(BTN_START, 0), axis(ABS_HAT0X, -1),
                   axis(ABS_HAT0Y, 1), SYN, axis(ABS_HAT0X, 1), axis(ABS_HAT0Y, -1), SYN,
                   axis(ABS_HAT0X, 0), axis(ABS_HAT0Y, 0), axis(ABS_X, 20000), axis(ABS_Y, 26000),
                   SYN, axis(ABS_Y, 14000), SYN, axis(ABS_X, 12000), SYN, axis(ABS_Y, 12000), SYN),
              "A ABS DL UR D R D -");
}

// A generic USB pad: the D-pad as keys; events lost, dropped up to the next report; the stick
// 0..255 at rest at 127.5, a digital diagonal (a tie) going vertical, 41 % nothing yet.
TEST(EvdevPad, DecodesDpadKeysAndAsksForResyncAfterLostEvents) {
    platform::EvdevPad pad({0, 255}, {0, 255});
    EXPECT_EQ(play(pad, key(BTN_DPAD_UP, 1), key(BTN_DPAD_LEFT, 1), SYN, key(BTN_DPAD_UP, 0),
                   key(BTN_DPAD_LEFT, 0), key(BTN_DPAD_DOWN, 1), key(BTN_DPAD_RIGHT, 1), SYN,
                   key(BTN_DPAD_DOWN, 0), DROPPED, key(BTN_DPAD_UP, 1), SYN, key(BTN_DPAD_DOWN, 0),
                   key(BTN_DPAD_RIGHT, 0), axis(ABS_X, 0), axis(ABS_Y, 0), SYN, axis(ABS_X, 180),
                   axis(ABS_Y, 127), SYN),
              "UL DR DR! U -");
    platform::EvdevPad noStick({0, 0}, {5, -5});
    EXPECT_EQ(play(noStick, axis(ABS_X, 1000), axis(ABS_Y, 1000), SYN), "-");
}

// The reader on a pipe standing in for an event device (no evdev ioctl): what is pending taken,
// whole events only; the end of the stream or a failing read a pad unplugged, closed, released.
TEST(Gamepads, ReadsWhatIsPendingAndDropsAPadThatIsGone) {
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    const int directory = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);  // reads fail: EISDIR
    for (int descriptor : {ends[0], directory}) platform::adoptGamepad(descriptor);
    EXPECT_EQ(platform::gamepadDescriptors(), (std::vector<int>{ends[0], directory}));
    // More than one call takes (1024): the rest waits for the next.
    std::vector<input_event> events(1030, key(BTN_EAST, 2));
    events.insert(events.end(), {key(BTN_SOUTH, 1), SYN, axis(ABS_HAT0Y, 1)});  // no report yet
    const ssize_t bytes = events.size() * sizeof SYN;
    ASSERT_EQ(write(ends[1], events.data(), bytes), bytes);
    EXPECT_EQ(held(platform::readGamepads()), "-");
    EXPECT_EQ(held(platform::readGamepads()), "AB");
    ASSERT_EQ(write(ends[1], &events[1031], sizeof SYN + 10), ssize_t{sizeof SYN + 10});  // a piece
    EXPECT_EQ(held(platform::readGamepads()), "DAB");
    close(ends[1]);
    EXPECT_EQ(held(platform::readGamepads()), "-");
    EXPECT_FALSE(platform::gamepadConnected());
}

#endif

// No pad, no crash: on Linux beside a device that is no pad, twice, and in no directory; then on
// this machine or Wine prefix.
TEST(Gamepads, ScanWithoutControllersFindsNone) {
#ifndef _WIN32
    test_support::ScratchDirectory scratch;
    ASSERT_EQ(symlink("/dev/null", "event0"), 0);
    for (const char* directory : {".", ".", "missing"}) platform::scanGamepadsIn(directory);
    EXPECT_FALSE(platform::gamepadConnected());
#endif
    platform::scanGamepads();
    platform::scanGamepads();
    if (platform::gamepadConnected()) GTEST_SKIP() << "a controller is connected";
    EXPECT_EQ(held(platform::readGamepads()), "-");
}

}  // namespace
