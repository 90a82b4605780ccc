// The left stick as one of the four directions, shared by the evdev and the
// XInput decoding.
#pragma once

#include "platform/gamepad.h"

namespace platform {

// How far `value` lies from the centre of [minimum, maximum], as a fraction
// of the travel on that side: -1 at minimum, 1 at maximum (beyond, for a
// value outside the range). 0 for an empty range (a device that reports no
// usable axis).
double stickDeflection(double value, double minimum, double maximum);

// An axis counts once the stick is past half of its travel from centre and
// stops counting below 40 %, so a stick held near the edge does not chatter;
// the small movements of a stick at rest stay far below either. When both
// axes count, the one deflected further gives the direction; the vertical
// one on a tie (a digital stick's diagonal), as the window's lists are.
class PadStick {
public:
    // Deflections as stickDeflection gives them; x positive right, y positive down.
    void move(double x, double y);
    // Sets the direction the stick points in, if any, in `state`.
    void addDirection(PadState& state) const;

private:
    double x_ = 0, y_ = 0;
    int horizontal_ = 0, vertical_ = 0;  // -1, 0 or 1: what each axis counts as
};

}  // namespace platform
