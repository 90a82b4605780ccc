#include "input/pad_navigation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

namespace {

// Feeds updates (what is held: U D L R, A B S; the time): for each, its keys as
// the same letters, "@" when a direction repeats next, or "-" for nothing.
std::string play(PadNavigation&) { return ""; }
template <typename Navigation, typename... More>
std::string play(Navigation&& navigation, const char* held, double now, More... more) {
    platform::PadState pad;
    bool* fields[] = {&pad.up, &pad.down, &pad.left, &pad.right, &pad.south, &pad.east, &pad.start};
    for (int i = 0; i < 7; ++i) *fields[i] = std::strchr(held, "UDLRABS"[i]) != nullptr;
    std::ostringstream gives;
    for (NavKey key : navigation.update(pad, now)) gives << "UDLRABS"[static_cast<int>(key)];
    if (navigation.nextRepeatAt() >= 0) gives << '@' << navigation.nextRepeatAt();
    const std::string step = gives.str().empty() ? "-" : gives.str();
    return step + (sizeof...(more) ? ", " + play(navigation, more...) : "");
}

TEST(PadNavigation, ButtonsGiveTheirKeyOnceWhenPressed) {
    EXPECT_EQ(play(PadNavigation(), "A", 0, "A", 5, "", 6, "B", 7, "S", 8, "AD", 9),
              "A, -, -, B, S, DA@9.4");  // directions first
}

// A late call (the event loop busy) gives one repeat, not those it missed,
// and the rhythm goes on from it.
TEST(PadNavigation, HeldDirectionRepeatsAfterTheDelayThenAtTheIntervalNeverInBursts) {
    const double late = 11.5 + 0.12 + 0.12;  // one interval late
    EXPECT_EQ(play(PadNavigation(), "U", 10, "U", 10.39, "U", 10.4, "U", 10.51, "U", 10.53, "U",
                   11.5, "U", late, "U", late, "", 12),
              "U@10.4, @10.4, U@10.52, @10.52, U@10.64, U@11.62, U@11.86, @11.86, -");
}

// Up and Right down together: Up. Down newly pressed takes over from Up (at
// once, Up's repeat dropped); released while Up is held, nothing repeats.
TEST(PadNavigation, NewlyPressedDirectionTakesOver) {
    EXPECT_EQ(play(PadNavigation(), "UR", 0, "UD", 0.3, "UD", 0.5, "UD", 0.7, "U", 0.8, "U", 2,
                   "UR", 2.1),
              "U@0.4, D@0.7, @0.7, D@0.82, -, -, R@2.5");
}

TEST(PadNavigation, ResetReleasesEverything) {
    PadNavigation navigation;
    play(navigation, "RA", 0);
    navigation.reset();
    EXPECT_EQ(play(navigation, "RA", 0.1), "RA@0.5");
}

}  // namespace
