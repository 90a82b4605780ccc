#include "ui/scale.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Pixmap.H>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

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

// Where output pixel i of `to` samples a line of `from` pixels: the left
// neighbour and the right one's weight in 1/256 (pixel centres aligned).
struct Tap {
    int first, second, weight;
};

Tap tapFor(int i, int from, int to) {
    const long position = ((2L * i + 1) * from * 256) / (2L * to) - 128;
    if (position <= 0) return {0, 0, 0};
    const int first = static_cast<int>(position >> 8);
    if (first >= from - 1) return {from - 1, from - 1, 0};
    return {first, first + 1, static_cast<int>(position & 255)};
}

// Resamples pixels of `depth` bytes (red, green, blue first) into a new
// w x h array of 3-byte ones, bilinearly in fixed point: the toolkit's own
// smooth copy works in floating point per channel and cost more than the
// rest of a scaled start-up.
uchar* resampleBilinear(const uchar* from, int depth, int fromW, int fromH, int w, int h) {
    std::vector<Tap> columns(w);
    for (int x = 0; x < w; ++x) columns[x] = tapFor(x, fromW, w);
    uchar* out = new uchar[static_cast<size_t>(w) * h * 3];
    uchar* pixel = out;
    for (int y = 0; y < h; ++y) {
        const Tap row = tapFor(y, fromH, h);
        const uchar* upper = from + static_cast<size_t>(row.first) * fromW * depth;
        const uchar* lower = from + static_cast<size_t>(row.second) * fromW * depth;
        for (const Tap& column : columns) {
            const int left = column.first * depth, right = column.second * depth;
            for (int c = 0; c < 3; ++c) {
                const int top =
                    upper[left + c] * (256 - column.weight) + upper[right + c] * column.weight;
                const int bottom =
                    lower[left + c] * (256 - column.weight) + lower[right + c] * column.weight;
                *pixel++ = static_cast<uchar>(
                    (top * (256 - row.weight) + bottom * row.weight + 32768) >> 16);
            }
        }
    }
    return out;
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
    setUiScale(uiScale);
}

void setUiScale(double factor) {
    uiScale = factor;
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
    // The conversion gives red, green, blue and alpha; no pixel of the
    // picture is transparent, so the copy keeps the colours alone, which the
    // toolkit draws as a plain copy instead of blending them on every draw.
    Fl_RGB_Image converted(picture, FL_GRAY);
    const int w = scaled(picture->w()), h = scaled(picture->h());
    Fl_RGB_Image* resampled = new Fl_RGB_Image(
        resampleBilinear(converted.array, converted.d(), converted.w(), converted.h(), w, h), w, h,
        3);
    resampled->alloc_array = 1;
    delete picture;
    return resampled;
}
