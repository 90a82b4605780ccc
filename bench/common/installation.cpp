#include "installation.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr size_t RECORD_SIZE = 23812;
constexpr size_t LEVEL_STATES_AT = 348;
constexpr size_t CHALLENGE_FLAGS_AT = 604;
}  // namespace

Installation::Installation() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/launcher-bench-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) throw std::runtime_error("cannot create " + pattern);
    root_ = name.data();
    fs::create_directories(root_ + "/Data/Profils");
}

Installation::~Installation() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void Installation::write(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(path(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path(relative));
}

void Installation::settleOnDisk() const {
    for (const char* relative : {"Data/config_launch.ini", "Data/config.ini", "Data", "."}) {
        int fd = open(path(relative).c_str(), O_RDONLY);
        if (fd < 0) continue;
        fsync(fd);
        close(fd);
    }
}

void Installation::fillTypical() const {
    write("Data/Profils/Anna.bin", profileRecordBytes("Anna", 0, 0));
    write("Data/Profils/Bob.bin", profileRecordBytes("Bob", 10, 5));
    write("Data/config.ini", settingsText(30));
    write("Data/config_game.ini", gameSettingsText(22));
}

std::string profileRecordBytes(const std::string& name, int levelsDone, int challengesDone) {
    std::string record(RECORD_SIZE, '\0');
    record.replace(0, std::min<size_t>(name.size(), 32), name.substr(0, 32));
    record.replace(33, 8, "ABCDEFGH");
    record[42] = 1;
    for (int i = 0; i < 10; ++i) record[48 + 296 * i] = 1;
    for (int level = 0; level < levelsDone; ++level) record[LEVEL_STATES_AT + 4 * level] = 2;
    for (int challenge = 0; challenge < challengesDone; ++challenge)
        record[CHALLENGE_FLAGS_AT + challenge] = 1;
    return record;
}

std::string gameSettingsText(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "option" + std::to_string(i) + " " + std::to_string(i * 7 % 100) + "\r\n";
    return text;
}

std::string settingsText(int lines) {
    std::string text =
        "name Bob\r\nresolution 3\r\nfullscreen 0\r\nscreenx 1365\r\nscreeny 768\r\n"
        "langage 1\r\nvolume 2\r\n\r\n";
    return text + gameSettingsText(lines > 8 ? lines - 8 : 0);
}

std::string settingsTextOfSize(size_t bytes) {
    std::string text = settingsText(8);
    const std::string value(100, 'v');
    for (int i = 0; text.size() < bytes; ++i)
        text += "key" + std::to_string(i) + " " + value + "\r\n";
    text.resize(bytes);
    return text;
}
