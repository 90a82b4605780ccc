#include "ui/scale.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Pixmap.H>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "platform/screen.h"

double uiScale = 1;

namespace {

const double LARGEST_SCALE = 4;
// The toolkit's default font size at 96 dpi.
const int NORMAL_FONT_SIZE = 14;

// A plain decimal number ("2", "1.5"); -1 for anything else, so that signs,
// spaces, exponents, "inf" and hexadecimal are no override.
double plainNumber(const char* text) {
    if (!text || !*text || std::strspn(text, "0123456789.") != std::strlen(text)) return -1;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    return *end == '\0' ? value : -1;
}

}  // namespace

double scaleFactor(double desktopDpi, const char* override) {
    double wanted = plainNumber(override);
    if (wanted < 1 || wanted > LARGEST_SCALE) wanted = desktopDpi / 96;
    if (!std::isfinite(wanted)) return 1;
    // Quarters: 96 to 107 dpi is exactly 1, 120 is 1.25, 144 is 1.5.
    double quarters = std::round(wanted * 4) / 4;
    return quarters < 1 ? 1 : quarters > LARGEST_SCALE ? LARGEST_SCALE : quarters;
}

void chooseUiScale(int windowW, int windowH) {
    uiScale = scaleFactor(platform::desktopDpi(), std::getenv("GAMELAUNCHER_SCALE"));
    while (uiScale > 1 && (scaled(windowW) > screenWidth || scaled(windowH) > screenHeight)) {
        uiScale -= 0.25;
    }
    // Every widget takes this size for its label and text when it is made,
    // and a menu draws its items at its choice's text size.
    FL_NORMAL_SIZE = scaled(NORMAL_FONT_SIZE);
}

int scaled(int length) { return static_cast<int>(std::lround(length * uiScale)); }

ScaledBox scaledBox(int x, int y, int w, int h) {
    const int left = scaled(x), top = scaled(y);
    return {left, top, scaled(x + w) - left, scaled(y + h) - top};
}

Fl_Image* scaledPicture(Fl_Pixmap* picture) {
    if (uiScale == 1) return picture;
    // The conversion gives red, green, blue and alpha. No pixel of the picture
    // is transparent: keep the colours alone, which the toolkit draws as a
    // plain copy instead of blending them with the window's background.
    Fl_RGB_Image converted(picture, FL_GRAY);
    const int pixels = converted.w() * converted.h();
    uchar* colours = new uchar[pixels * 3];
    for (int i = 0; i < pixels; ++i) std::memcpy(colours + 3 * i, converted.array + 4 * i, 3);
    Fl_RGB_Image opaque(colours, converted.w(), converted.h(), 3);
    opaque.alloc_array = 1;

    const Fl_RGB_Scaling previous = Fl_Image::RGB_scaling();
    Fl_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);
    Fl_Image* resampled = opaque.copy(scaled(picture->w()), scaled(picture->h()));
    Fl_Image::RGB_scaling(previous);
    delete picture;
    return resampled;
}
