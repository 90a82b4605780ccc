// The window's choices, whose texts shrink rather than being cut: the item a
// choice shows in its box, and its label, left of the box.
#pragma once

#include <FL/Fl_Choice.H>

class FittingChoice : public Fl_Choice {
public:
    // `labelLeft` is how far left (in the window) the label may reach.
    FittingChoice(int x, int y, int w, int h, const char* label, int labelLeft);

    // Room for the shown item's text inside the box, as the toolkit lays it
    // out: the box less its frame, the arrow button and the text's margins.
    int textWidth() const;

    // The size at which the box shows `text`: the choice's text size, or the
    // largest smaller one (down to 10 at 96 dpi, scaled) at which it fits.
    int shownSize(const char* text) const;

    // Labels the choice with `text` (kept by pointer), at the largest size up
    // to the normal one at which it fits between labelLeft and the box.
    void relabel(const char* text);

protected:
    void draw() override;

private:
    int labelLeft_;
    int normalLabelSize_;
};

// Relabels `choice` as FittingChoice::relabel does; another choice keeps its
// label size.
void relabelChoice(Fl_Choice* choice, const char* text);
