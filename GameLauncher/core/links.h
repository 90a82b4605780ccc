// The four contact and shop links along the bottom of the window.
#pragma once

class Fl_Widget;

void onMailClicked(Fl_Widget* w, void* data);
void onWebsiteClicked(Fl_Widget* w, void* data);
void onUsShopClicked(Fl_Widget* w, void* data);
void onEuropeShopClicked(Fl_Widget* w, void* data);
