// A stand-in for the game "1.exe" in the Windows platform tests. In its
// working directory it writes "game_started.txt"; while a file "hold" exists
// it waits (at most a minute) for a file "release"; then it writes
// "game_ended.txt" and exits with the number in "exit_status.txt" (0 when
// there is none).
#include <windows.h>

#include <cstdio>

static bool exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

static void touch(const char* path) {
    if (std::FILE* file = std::fopen(path, "wb")) std::fclose(file);
}

int main() {
    std::printf("stand-in game running\n");
    std::fflush(stdout);
    touch("game_started.txt");
    if (exists("hold")) {
        for (int waited = 0; waited < 60000 && !exists("release"); waited += 20) Sleep(20);
    }
    int status = 0;
    if (std::FILE* file = std::fopen("exit_status.txt", "rb")) {
        if (std::fscanf(file, "%d", &status) != 1) status = 0;
        std::fclose(file);
    }
    touch("game_ended.txt");
    return status;
}
