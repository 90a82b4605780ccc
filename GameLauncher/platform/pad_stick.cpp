#include "platform/pad_stick.h"

#include <cmath>

namespace platform {

namespace {

constexpr double PRESS_DEFLECTION = 0.5;
constexpr double RELEASE_DEFLECTION = 0.4;

// -1, 0 or 1 for one axis, given what it counted as before.
int axisDirection(int before, double deflection) {
    const int side = deflection < 0 ? -1 : 1;
    const double distance = std::fabs(deflection);
    if (distance > PRESS_DEFLECTION) return side;
    if (before == side && distance >= RELEASE_DEFLECTION) return side;
    return 0;
}

}  // namespace

double stickDeflection(double value, double minimum, double maximum) {
    // In doubles: a device may report any 32-bit range, whose width overflows an int.
    if (!(maximum > minimum)) return 0;
    const double centre = (minimum + maximum) / 2;
    const double halfTravel = (maximum - minimum) / 2;
    return (value - centre) / halfTravel;
}

void PadStick::move(double x, double y) {
    x_ = x;
    y_ = y;
    horizontal_ = axisDirection(horizontal_, x);
    vertical_ = axisDirection(vertical_, y);
}

void PadStick::addDirection(PadState& state) const {
    const bool vertical = vertical_ != 0 && (horizontal_ == 0 || std::fabs(y_) >= std::fabs(x_));
    if (vertical) {
        (vertical_ < 0 ? state.up : state.down) = true;
    } else if (horizontal_ != 0) {
        (horizontal_ < 0 ? state.left : state.right) = true;
    }
}

}  // namespace platform
