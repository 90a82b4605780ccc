// The four contact and shop links along the bottom of the window.
#pragma once

class Fl_Widget;

enum class Link { Mail, Website, UsShop, EuropeShop };
constexpr int LINK_COUNT = 4;

// Where each link leads, in Link order. Fixed: neither localised nor
// configurable.
extern const char* const LINK_TARGETS[LINK_COUNT];

const char* linkTarget(Link link);

// Hands a target to the desktop without waiting; true when a handler was
// started. Tests put a recorder here; it is platform::openWithDesktop.
using LinkOpener = bool (*)(const char* target);
extern LinkOpener linkOpener;

void onMailClicked(Fl_Widget* w, void* data);
void onWebsiteClicked(Fl_Widget* w, void* data);
void onUsShopClicked(Fl_Widget* w, void* data);
void onEuropeShopClicked(Fl_Widget* w, void* data);
