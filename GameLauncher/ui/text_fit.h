// The font size at which a text fits the room it has: long translations and
// the system's own words shrink rather than run over their neighbours.
#pragma once

#include <FL/Enumerations.H>

// The largest size from `largest` down to `smallest` at which `text` in
// `font` fits `width` x `height`: on one line, or wrapped at `width` when
// `wrap` is set. 0 when it fits at none of them. Needs the display open.
int largestFittingSize(const char* text, Fl_Font font, int largest, int smallest, int width,
                       int height, bool wrap = false);
