#include "ui/text_fit.h"

#include <FL/fl_draw.H>

int largestFittingSize(const char* text, Fl_Font font, int largest, int smallest, int width,
                       int height, bool wrap) {
    for (int size = largest; size >= smallest && size > 0; --size) {
        fl_font(font, size);
        int w = wrap ? width : 0, h = 0;
        fl_measure(text, w, h, 0);
        if (w <= width && h <= height) return size;
    }
    return 0;
}
