// The window's choices, whose texts shrink rather than being cut: the item a
// choice shows in its box, and its label, left of the box.
#pragma once

#include <FL/Fl_Choice.H>

class Fl_Box;

// The label is shown by a caption of its own, left of the box, which keeps
// clear of the focus frame around the box at every scale (the toolkit sets an
// outside label 3 pixels from its box, whatever the scale).
class FittingChoice : public Fl_Choice {
public:
    // `labelLeft` is how far left (in the window) the label may reach. Makes
    // the caption too, in the group being built.
    FittingChoice(int x, int y, int w, int h, int labelLeft);

    // Room for the shown item's text inside the box, as the toolkit lays it
    // out: the box less its frame, the arrow button and the text's margins.
    int textWidth() const;

    // The size at which the box shows `text`: the choice's text size, or the
    // largest smaller one (down to 10 at 96 dpi, scaled) at which it fits.
    int shownSize(const char* text) const;

    // Labels the choice with `text` (kept by pointer), at the largest size up
    // to the normal one at which it fits between labelLeft and the box.
    void relabel(const char* text);

    // The caption showing the label.
    const Fl_Box& caption() const { return *caption_; }

    // The caption dims with the choice.
    int handle(int event) override;

protected:
    void draw() override;

private:
    Fl_Box* caption_;
    int normalLabelSize_;
};

// Relabels `choice` as FittingChoice::relabel does; another choice keeps its
// label size.
void relabelChoice(Fl_Choice* choice, const char* text);
