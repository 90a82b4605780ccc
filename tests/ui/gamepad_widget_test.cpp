// The Linux side: the toolkit watches an event device's descriptor (a pipe
// stands in for one) and the window takes its reports as keys.
#ifndef _WIN32
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <unistd.h>
// After GoogleTest: the Forms header brings X11's None macro.
#include <FL/forms.H>

#include "platform/evdev_pad.h"
#include "support/window_test_support.h"
#include "ui/gamepad_input.h"
#include "ui/input_watch.h"
#include "ui/keyboard_navigation.h"
#include "ui/window_hold.h"

namespace {

bool within(double seconds, bool (*done)()) {
    for (double waited = 0; waited < seconds && !done(); waited += 0.02) Fl::wait(0.02);
    return done();
}

// A D-pad press moves the focus and shows it; a pad pulled out while a
// direction is held is dropped, and the direction does not repeat.
TEST(GamepadInput, ReportsMoveTheFocusUntilThePadIsGone) {
    fl_flip = 0;  // top-down coordinates, as fl_initialize leaves them
    buildLauncherWindow();
    showLauncherWindow();
    watchInput();
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    platform::adoptGamepad(ends[0]);
    startWatchingGamepads();
    const auto hat = [&](int value) {
        const input_event events[] = {{{}, EV_ABS, ABS_HAT0Y, value}, {{}, EV_SYN, SYN_REPORT, 0}};
        ASSERT_EQ(write(ends[1], events, sizeof events), static_cast<ssize_t>(sizeof events));
    };
    hat(-1);
    EXPECT_TRUE(within(2, [] { return focusedWidget() == volumeChoice; }));
    EXPECT_TRUE(focusShown());
    hat(0);
    hat(1);
    EXPECT_TRUE(within(1, [] { return focusedWidget() == startButton; }));
    close(ends[1]);
    EXPECT_TRUE(within(1, [] { return platform::gamepadDescriptors().empty(); }));
    within(1, [] { return false; });
    EXPECT_EQ(focusedWidget(), startButton);
    stopWatchingGamepads();
    test_support::resetLauncherAndWindowState();
}

}  // namespace
#endif
