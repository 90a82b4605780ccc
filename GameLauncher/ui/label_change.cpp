#include "ui/label_change.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "ui/scale.h"

namespace {

// The toolkit sets a label 3 pixels in from the box's edge, or 3 pixels away
// from it when the label lies outside; a little more covers underlines and
// the symbols' margins (both at 96 dpi).
const int SLACK = 5;

// Below this (at 96 dpi) a text is no longer read at a glance.
const int SMALLEST_FITTED_SIZE = 8;

// Whether the label, at `size`, fits the box inside its frame.
bool labelFits(Fl_Widget* widget, int size) {
    widget->labelsize(size);
    const int width = widget->w() - Fl::box_dw(widget->box());
    int textW = width, textH = 0;
    widget->measure_label(textW, textH);
    return textW <= width && textH <= widget->h() - Fl::box_dh(widget->box());
}

}  // namespace

void repaintLabelArea(Fl_Widget* widget) {
    Fl_Window* window = widget ? widget->window() : nullptr;
    if (!window || !widget->label()) return;
    const Fl_Align align = widget->align();
    int textW = (align & FL_ALIGN_WRAP) ? widget->w() : 0, textH = 0;
    widget->measure_label(textW, textH);

    // Wherever the label is anchored in the box, a text larger than the box
    // cannot reach further past an edge than by its overflow.
    const int slack = scaled(SLACK);
    const int overflowX = std::max(0, textW - widget->w()) + slack;
    const int overflowY = std::max(0, textH - widget->h()) + slack;
    int left = widget->x() - overflowX, right = widget->x() + widget->w() + overflowX;
    int top = widget->y() - overflowY, bottom = widget->y() + widget->h() + overflowY;
    // A label outside the box lies beside it, on the sides its alignment names.
    if (align != FL_ALIGN_CENTER && !(align & FL_ALIGN_INSIDE)) {
        if (align & FL_ALIGN_LEFT) left -= textW + slack;
        if (align & FL_ALIGN_RIGHT) right += textW + slack;
        if (align & FL_ALIGN_TOP) top -= textH + slack;
        if (align & FL_ALIGN_BOTTOM) bottom += textH + slack;
    }
    // The toolkit clips the area to the window and merges it with any other.
    window->damage(FL_DAMAGE_ALL, left, top, right - left, bottom - top);
}

void changeLabel(Fl_Widget* widget, const char* text) {
    repaintLabelArea(widget);
    widget->label(text);
    repaintLabelArea(widget);
}

void changeLabelToFit(Fl_Widget* widget, const char* text, int largestSize) {
    repaintLabelArea(widget);
    widget->copy_label(text);
    widget->align(FL_ALIGN_CENTER | FL_ALIGN_WRAP);
    const int smallest = scaled(SMALLEST_FITTED_SIZE);
    int size = largestSize;
    while (size > smallest && !labelFits(widget, size)) --size;
    if (!labelFits(widget, size)) widget->align(FL_ALIGN_CENTER | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    repaintLabelArea(widget);
}
