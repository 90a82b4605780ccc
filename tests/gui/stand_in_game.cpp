// The game in the GUI tests: it copies Data/config.ini (if any) to
// "game_saw_config.ini", prints "game running", writes "game_started.txt",
// waits (a minute at most) while a file "hold" exists, writes
// "game_ended.txt" and exits with status 7.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

int main() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::copy_file("Data/config.ini", "game_saw_config.ini", fs::copy_options::overwrite_existing,
                  ignored);
    std::printf("game running\n");
    std::fflush(stdout);
    std::ofstream("game_started.txt").close();
    for (int waited = 0; waited < 3000 && fs::exists("hold"); ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ofstream("game_ended.txt").close();
    return 7;
}
