// The primary screen's size, read once at start-up.
#pragma once

extern int screenWidth;
extern int screenHeight;

// Reads the primary screen's size into screenWidth and screenHeight.
void readScreenSize();
