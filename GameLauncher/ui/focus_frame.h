// The frame that shows which widget the keyboard (or a game controller)
// acts on: drawn over the window, around the widget, in a colour that stands
// out on the grey panel and on the choices; the toolkit's own dotted line is
// too faint for a couch.
#pragma once

#include <FL/Fl_Widget.H>

// The frame's thickness at the scale in force: 2 pixels at 96 dpi.
int focusFrameThickness();

// Where the frame goes around `target`: just outside its box, or for a
// button that is only its text (a link, whose text is wider than its box and
// taller), around the text as wide as it is drawn, just outside the box above
// (clear of its capitals) and a pixel further below (of its descenders).
struct FrameBounds {
    int x, y, w, h;
};
FrameBounds focusFrameAround(Fl_Widget* target);

class FocusFrame : public Fl_Widget {
public:
    // Made hidden, as the last child of the group being built, so that it is
    // drawn over the others.
    FocusFrame();

    // Surrounds `target`, or hides with none, repainting where it was and
    // where it goes.
    void surround(Fl_Widget* target);

    // It takes no event: clicks go to the widgets below.
    int handle(int) override { return 0; }

protected:
    void draw() override;
};
