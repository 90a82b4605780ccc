#include "ui/links.h"

#include "platform/platform.h"

// The makers' and the console maker's real addresses are not ours to give;
// these use the reserved ".example" domain.
const char* const LINK_TARGETS[LINK_COUNT] = {
    "mailto:contact@tarvelline.example?subject=TarvellinePC",
    "https://www.tarvelline.example/",
    "https://www.korvanex.example/us/plumbox/games/tarvelline",
    "https://www.korvanex.example/eu/plumbox/games/tarvelline",
};

LinkOpener linkOpener = platform::openWithDesktop;

const char* linkTarget(Link link) { return LINK_TARGETS[static_cast<int>(link)]; }

namespace {

// The outcome is not the launcher's business: no handler, no network or a
// refusal leaves the window running as before.
void openLink(Link link) { linkOpener(linkTarget(link)); }

}  // namespace

void onMailClicked(Fl_Widget*, void*) { openLink(Link::Mail); }
void onWebsiteClicked(Fl_Widget*, void*) { openLink(Link::Website); }
void onUsShopClicked(Fl_Widget*, void*) { openLink(Link::UsShop); }
void onEuropeShopClicked(Fl_Widget*, void*) { openLink(Link::EuropeShop); }
