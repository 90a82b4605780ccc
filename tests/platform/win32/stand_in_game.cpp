// A stand-in for the game in the Windows platform tests: in its working
// directory it writes "game_started.txt", waits (at most a minute) while a
// file "hold" exists, then writes "game_ended.txt" and exits with status 7.
#include <windows.h>

#include <cstdio>

static void touch(const char* path) {
    if (std::FILE* file = std::fopen(path, "wb")) std::fclose(file);
}

int main() {
    touch("game_started.txt");
    for (int waited = 0; waited < 60000; waited += 20) {
        if (GetFileAttributesA("hold") == INVALID_FILE_ATTRIBUTES) break;
        Sleep(20);
    }
    touch("game_ended.txt");
    return 7;
}
