// Changing a widget's label so that nothing of the old text stays on screen.
// A label may be wider or taller than its widget (the progress line's text
// in a 260 x 10 box, long choice labels, the Start button's texts); the
// toolkit then draws it past the box but repaints only the box when the label
// changes. These repaint, on the window, everything the old and the new text
// cover.
#pragma once

class Fl_Widget;

// Sets the label by pointer (the text must outlive the widget).
void changeLabel(Fl_Widget* widget, const char* text);

// Sets a copy of `text` as the label, wrapped inside the widget's box at the
// largest size from `largestSize` down (to 8 at 96 dpi, scaled) at which it
// fits there (a text too long for the smallest size is cut at the box's edges).
void changeLabelToFit(Fl_Widget* widget, const char* text, int largestSize);

// Repaints where the widget's label, as it reads now, is drawn: for a label
// whose buffer is about to be rewritten in place, call it before and after.
void repaintLabelArea(Fl_Widget* widget);
