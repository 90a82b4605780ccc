#include "core/links.h"

void onMailClicked(Fl_Widget*, void*) {}
void onWebsiteClicked(Fl_Widget*, void*) {}
void onUsShopClicked(Fl_Widget*, void*) {}
void onEuropeShopClicked(Fl_Widget*, void*) {}
