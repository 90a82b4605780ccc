// The screenshots of a window taken while it is drawn, and the moment it is
// complete.
#pragma once

#include <cstdint>
#include <vector>

struct Frame {
    double ms;      // when the drawing that this screenshot shows had arrived
    uint64_t hash;  // of the screenshot's pixels
};

// The window is drawn when it first shows its final pixels (those of the
// last frame) and keeps them: the time of the first frame of the final
// unbroken run of equal frames. A picture that was complete, changed and came
// back counts from its return. Needs at least one frame.
inline double drawnAt(const std::vector<Frame>& frames) {
    size_t first = frames.size() - 1;
    while (first > 0 && frames[first - 1].hash == frames.back().hash) --first;
    return frames[first].ms;
}
