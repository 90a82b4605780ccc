#include "input/pad_navigation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Keys = std::vector<NavKey>;
using platform::PadState;

PadState pad(bool PadState::*held, bool PadState::*alsoHeld = nullptr) {
    PadState state;
    if (held) state.*held = true;
    if (alsoHeld) state.*alsoHeld = true;
    return state;
}

TEST(PadNavigation, ButtonsGiveTheirKeyOnceWhenPressed) {
    PadNavigation navigation;
    EXPECT_EQ(navigation.update(pad(&PadState::south), 0), Keys{NavKey::Accept});
    EXPECT_EQ(navigation.update(pad(&PadState::south), 5), Keys{});
    EXPECT_EQ(navigation.update({}, 6), Keys{});
    EXPECT_EQ(navigation.update(pad(&PadState::east), 7), Keys{NavKey::Back});
    EXPECT_EQ(navigation.update(pad(&PadState::start), 8), Keys{NavKey::Start});
    EXPECT_LT(navigation.nextRepeatAt(), 0);
    EXPECT_EQ(navigation.update(pad(&PadState::south, &PadState::down), 9),
              (Keys{NavKey::Down, NavKey::Accept}));
}

// A late call (the event loop busy) gives one repeat, not those it missed,
// and the rhythm goes on from it.
TEST(PadNavigation, HeldDirectionRepeatsAfterTheDelayThenAtTheIntervalNeverInBursts) {
    PadNavigation navigation;
    const PadState up = pad(&PadState::up);
    EXPECT_EQ(navigation.update(up, 10), Keys{NavKey::Up});
    EXPECT_EQ(navigation.update(up, 10.39), Keys{});
    EXPECT_DOUBLE_EQ(navigation.nextRepeatAt(), 10.4);
    EXPECT_EQ(navigation.update(up, navigation.nextRepeatAt()), Keys{NavKey::Up});
    EXPECT_DOUBLE_EQ(navigation.nextRepeatAt(), 10.52);
    EXPECT_EQ(navigation.update(up, 10.51), Keys{});
    EXPECT_EQ(navigation.update(up, 10.53), Keys{NavKey::Up});
    EXPECT_DOUBLE_EQ(navigation.nextRepeatAt(), 10.64);  // a little late keeps the rhythm
    EXPECT_EQ(navigation.update(up, 11.5), Keys{NavKey::Up});
    EXPECT_DOUBLE_EQ(navigation.nextRepeatAt(), 11.62);
    const double oneIntervalLate = navigation.nextRepeatAt() + PadNavigation::REPEAT_INTERVAL;
    EXPECT_EQ(navigation.update(up, oneIntervalLate), Keys{NavKey::Up});
    EXPECT_EQ(navigation.update(up, oneIntervalLate), Keys{});
    EXPECT_EQ(navigation.update({}, 12), Keys{});
    EXPECT_LT(navigation.nextRepeatAt(), 0);
}

// Up and Right down together: Up. Down newly pressed takes over from Up (at
// once, Up's repeat dropped); released while Up is held, nothing repeats.
TEST(PadNavigation, NewlyPressedDirectionTakesOver) {
    PadNavigation navigation;
    EXPECT_EQ(navigation.update(pad(&PadState::up, &PadState::right), 0), Keys{NavKey::Up});
    EXPECT_EQ(navigation.update(pad(&PadState::up, &PadState::down), 0.3), Keys{NavKey::Down});
    EXPECT_EQ(navigation.update(pad(&PadState::up, &PadState::down), 0.5), Keys{});
    EXPECT_EQ(navigation.update(pad(&PadState::up, &PadState::down), 0.7), Keys{NavKey::Down});
    EXPECT_EQ(navigation.update(pad(&PadState::up), 0.8), Keys{});
    EXPECT_LT(navigation.nextRepeatAt(), 0);
    EXPECT_EQ(navigation.update(pad(&PadState::up), 2), Keys{});
    EXPECT_EQ(navigation.update(pad(&PadState::up, &PadState::right), 2.1), Keys{NavKey::Right});
}

TEST(PadNavigation, ResetReleasesEverything) {
    PadNavigation navigation;
    const PadState held = pad(&PadState::right, &PadState::south);
    navigation.update(held, 0);
    navigation.reset();
    EXPECT_LT(navigation.nextRepeatAt(), 0);
    EXPECT_EQ(navigation.update(held, 0.1), (Keys{NavKey::Right, NavKey::Accept}));
}

}  // namespace
