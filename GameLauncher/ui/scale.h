// The desktop's scale. Every window and widget rectangle and every font size
// the launcher fixes is its size at 96 dpi; these functions, and nothing else,
// turn such a size into pixels at the factor read once at start-up.
#pragma once

class Fl_Image;
class Fl_Pixmap;

// The factor in force: 1, 1.25, 1.5, ... at most 4; 1 until chooseUiScale.
extern double uiScale;

// The factor for a desktop announcing `desktopDpi` (0: nothing announced) and
// the GAMELAUNCHER_SCALE text `override` (null: unset): the override when it
// is a plain number from 1 to 4, else dpi / 96; rounded to the nearest
// quarter, never below 1 nor above 4.
double scaleFactor(double desktopDpi, const char* override);

// Sets uiScale, before anything is built, from the desktop and the variable,
// lowered by quarters until a window of windowW x windowH (at 96 dpi) fits
// the screen, which must have been measured; and makes the toolkit's default
// font size follow it.
void chooseUiScale(int windowW, int windowH);

// Puts the factor in force (1 to 4) and the toolkit's default font size that
// follows it; chooseUiScale's last step, and how tests put the scale back.
void setUiScale(double factor);

// A font size, a length or a coordinate from a window's corner at the factor.
int scaled(int length);

// A rectangle at the factor. Its edges are rounded, not its sizes, so that
// widgets that touch or overlap at 96 dpi touch or overlap alike.
struct ScaledBox {
    int x, y, w, h;
};
ScaledBox scaledBox(int x, int y, int w, int h);

// The picture at the factor, resampled smoothly (a pixmap itself only copies
// by nearest neighbour); at 1 the pixmap itself. Takes ownership of it.
Fl_Image* scaledPicture(Fl_Pixmap* picture);
