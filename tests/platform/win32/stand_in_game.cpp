// A stand-in for the game in the Windows platform and GUI tests: in its
// working directory it copies Data/config.ini (when there is one) to
// "game_saw_config.ini", prints "game running", writes "game_started.txt",
// waits (at most a minute) while a file "hold" exists, then writes
// "game_ended.txt" and exits with status 7. tests/gui/launcher_gui.py holds
// the same steps as a script for Linux.
#include <windows.h>

#include <cstdio>

static void touch(const char* path) {
    if (std::FILE* file = std::fopen(path, "wb")) std::fclose(file);
}

int main() {
    CopyFileA("Data\\config.ini", "game_saw_config.ini", FALSE);
    std::printf("game running\n");
    std::fflush(stdout);
    touch("game_started.txt");
    for (int waited = 0; waited < 60000; waited += 20) {
        if (GetFileAttributesA("hold") == INVALID_FILE_ATTRIBUTES) break;
        Sleep(20);
    }
    touch("game_ended.txt");
    return 7;
}
