#include "ui/fitting_choice.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>

#include <algorithm>

#include "ui/focus_frame.h"
#include "ui/label_change.h"
#include "ui/scale.h"
#include "ui/text_fit.h"

namespace {

// Below this (at 96 dpi) a choice's text is no longer read at a glance.
const int SMALLEST_CHOICE_TEXT = 10;

// The toolkit's room between an outside label and its box, and between a
// label inside a box and the box's side.
const int TOOLKIT_LABEL_GAP = 3;

// The room between the caption's text and the box: as the toolkit leaves,
// or room for the focus frame and a pixel (at 96 dpi) where that is wider.
int captionGap() { return std::max(TOOLKIT_LABEL_GAP, focusFrameThickness() + scaled(1)); }

}  // namespace

FittingChoice::FittingChoice(int x, int y, int w, int h, int labelLeft)
    : Fl_Choice(x, y, w, h), normalLabelSize_(labelsize()) {
    labeltype(FL_NO_LABEL);
    // Its text ends captionGap() before the box, as the label's would end 3
    // pixels before it: an inside label keeps 3 pixels from its box's side.
    caption_ = new Fl_Box(labelLeft, y, x - captionGap() + TOOLKIT_LABEL_GAP - labelLeft, h);
    caption_->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
}

int FittingChoice::textWidth() const {
    // Fl_Choice::draw: a down box frames the default scheme, an up box the
    // others; the arrow button is 20 pixels wide at most (always 20 with
    // gtk+ and gleam), and the text keeps 3 pixels from either side.
    const Fl_Boxtype frame = Fl::scheme() ? FL_UP_BOX : FL_DOWN_BOX;
    const int arrowHeight = h() - 2 * Fl::box_dy(frame);
    const bool fixedArrow = Fl::is_scheme("gtk+") || Fl::is_scheme("gleam");
    const int arrowWidth = fixedArrow ? 20 : std::min(arrowHeight, 20);
    return w() - arrowWidth - 2 * Fl::box_dx(frame) - 6;
}

int FittingChoice::shownSize(const char* text) const {
    const int size = largestFittingSize(text, textfont(), textsize(), scaled(SMALLEST_CHOICE_TEXT),
                                        textWidth(), h());
    return size ? size : scaled(SMALLEST_CHOICE_TEXT);
}

void FittingChoice::relabel(const char* text) {
    repaintLabelArea(caption_);
    label(text);
    caption_->label(text);
    const int size =
        largestFittingSize(text, labelfont(), normalLabelSize_, scaled(SMALLEST_CHOICE_TEXT),
                           caption_->w() - 2 * TOOLKIT_LABEL_GAP, h());
    labelsize(size ? size : scaled(SMALLEST_CHOICE_TEXT));
    caption_->labelsize(labelsize());
    repaintLabelArea(caption_);
}

int FittingChoice::handle(int event) {
    if (event == FL_ACTIVATE || event == FL_DEACTIVATE) {
        event == FL_ACTIVATE ? caption_->activate() : caption_->deactivate();
        // Drawn again from the window's background, as it has no box.
        repaintLabelArea(caption_);
    }
    return Fl_Choice::handle(event);
}

void FittingChoice::draw() {
    const Fl_Menu_Item* item = mvalue();
    const Fl_Fontsize normal = textsize();
    const int size = item && item->label() ? shownSize(item->label()) : normal;
    if (size == normal) {
        Fl_Choice::draw();
        return;
    }
    // The menu keeps the normal size: it is as wide as its widest item.
    textsize(size);
    Fl_Choice::draw();
    textsize(normal);
}

void relabelChoice(Fl_Choice* choice, const char* text) {
    if (auto* fitting = dynamic_cast<FittingChoice*>(choice)) {
        fitting->relabel(text);
    } else {
        changeLabel(choice, text);
    }
}
