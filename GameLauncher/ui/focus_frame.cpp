#include "ui/focus_frame.h"

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "ui/scale.h"

namespace {

// 2 pixels at 96 dpi; a strong blue, 3.5 times darker than the grey panel.
const int THICKNESS = 2;
const Fl_Color COLOUR = fl_rgb_color(0, 84, 220);

}  // namespace

FrameBounds focusFrameAround(Fl_Widget* target) {
    const int t = focusFrameThickness();
    if (target->box() != FL_NO_BOX) {
        return {target->x() - t, target->y() - t, target->w() + 2 * t, target->h() + 2 * t};
    }
    fl_font(target->labelfont(), target->labelsize());
    int textW = 0, textH = 0;
    fl_measure(target->label(), textW, textH, 0);
    const int left = target->x() + (target->w() - textW) / 2;  // as the toolkit centres it
    const int below = scaled(1);
    return {left - t, target->y() - t, textW + 2 * t, target->h() + below + 2 * t};
}

int focusFrameThickness() { return scaled(THICKNESS); }

FocusFrame::FocusFrame() : Fl_Widget(0, 0, 1, 1) {
    box(FL_NO_BOX);
    clear_visible_focus();
    hide();
}

void FocusFrame::surround(Fl_Widget* target) {
    const FrameBounds frame = target ? focusFrameAround(target) : FrameBounds{};
    const bool moves = !visible() || !target || frame.x != x() || frame.y != y() ||
                       frame.w != w() || frame.h != h();
    if (!moves) return;
    if (visible() && window()) window()->damage(FL_DAMAGE_ALL, x(), y(), w(), h());
    if (!target) {
        hide();
        return;
    }
    resize(frame.x, frame.y, frame.w, frame.h);
    show();
    redraw();
}

void FocusFrame::draw() {
    const int t = focusFrameThickness();
    fl_color(COLOUR);
    fl_rectf(x(), y(), w(), t);
    fl_rectf(x(), y() + h() - t, w(), t);
    fl_rectf(x(), y(), t, h());
    fl_rectf(x() + w() - t, y(), t, h());
}
