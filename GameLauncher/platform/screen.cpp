#include "platform/screen.h"

#include "platform/platform.h"

int screenWidth = 0;
int screenHeight = 0;

void readScreenSize() {
    platform::ScreenSize size = platform::primaryScreenSize();
    screenWidth = size.width;
    screenHeight = size.height;
}
