// Game controller input as the keys the window understands: directions that
// repeat while held, and three buttons. Plain logic over PadState; the window
// reads the pads and feeds this.
#pragma once

#include <vector>

#include "platform/gamepad.h"

enum class NavKey { Up, Down, Left, Right, Accept, Back, Start };

// One direction is active at a time: the one pressed last. A direction
// newly pressed while another is held takes over (its key at once, the
// repeat restarted); releasing it while the other is still held resumes
// nothing until that one is pressed anew, as a keyboard's repeat does.
class PadNavigation {
public:
    static constexpr double REPEAT_DELAY = 0.4;      // seconds from the press to the first repeat
    static constexpr double REPEAT_INTERVAL = 0.12;  // seconds between repeats

    // Feeds the merged pad state at monotonic time `now` (seconds); gives the
    // keys it stands for, in NavKey's order: a button when it goes down (not
    // while held, not on release); a direction when it goes down, again
    // REPEAT_DELAY later, then every REPEAT_INTERVAL while held. A call that
    // comes late gives one repeat, never a burst of those it missed. When
    // several directions go down at once, the first in NavKey's order wins.
    std::vector<NavKey> update(const platform::PadState& state, double now);

    // The time at which update must be called again for a held direction to
    // repeat; negative when no direction is held.
    double nextRepeatAt() const;

    // Everything released (a pad unplugged, the window closed).
    void reset();

private:
    platform::PadState previous_;
    int active_ = -1;  // the active direction's NavKey, or -1
    double repeatAt_ = -1;
};
