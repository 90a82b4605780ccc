// POSIX side of the platform layer: X11 through FLTK for the screen, the
// resolution it announces and the desktop opener, plain POSIX calls for files
// and processes.
#include "platform/platform.h"

#include <FL/Fl.H>
#include <FL/filename.H>
#include <FL/x.H>
#include <X11/XKBlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

ScreenSize primaryScreenSize() {
    int x = 0, y = 0, w = 0, h = 0;
    Fl::screen_xywh(x, y, w, h, 0);
    return {w, h};
}

double desktopDpi() {
    fl_open_display();
    // Read as Xft itself reads it: the display's resources (the root window's
    // RESOURCE_MANAGER, set by the desktop through xrdb), program "Xft".
    const char* value = fl_display ? XGetDefault(fl_display, "Xft", "dpi") : nullptr;
    if (!value) return 0;
    char* end = nullptr;
    double dpi = std::strtod(value, &end);
    while (end != value && std::isspace(static_cast<unsigned char>(*end))) ++end;
    return end != value && *end == '\0' && dpi > 0 ? dpi : 0;
}

void selectDisplay(int argc, char** argv) {
    // FLTK takes -display only in fl_initialize, but the screen is measured
    // before that: let the toolkit see its switches now, so that the screen
    // measured is the one the window will open on. fl_initialize takes them
    // again later, to the same effect.
    for (int i = 1; i < argc;) {
        if (!Fl::arg(argc, argv, i)) ++i;
    }
}

std::string userInterfaceLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        std::string language(value, std::strcspn(value, "_.@"));
        return language == "C" || language == "POSIX" ? "en" : language;
    }
    return "";
}

void reportKeyRepeatsAsPresses() {
    fl_open_display();
    Bool supported = False;
    if (fl_display) XkbSetDetectableAutoRepeat(fl_display, True, &supported);
}

void minimiseConsole() {
    // A terminal is not ours to minimise.
}

ProgramIcons programIcons() { return {}; }

static bool hasBinExtension(const char* name) {
    size_t length = std::strlen(name);
    return length >= 4 && equalIgnoringAsciiCase(name + length - 4, 4, ".bin");
}

// The order NTFS keeps its directory entries in: bytes compared after
// upper-casing ASCII letters (so "_Bob" sorts after "Anna", as '_' lies above
// 'Z', and "iris" before "Zed" in any locale); names that differ only in case
// keep a fixed order by their raw bytes.
static bool ntfsOrder(const std::string& a, const std::string& b) {
    auto upperLess = [](char x, char y) {
        using Byte = unsigned char;
        return static_cast<Byte>(asciiUpper(x)) < static_cast<Byte>(asciiUpper(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), upperLess)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), upperLess)) return false;
    return a < b;
}

bool sameFileName(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

std::vector<std::string> listBinEntries(const char* directory) {
    std::vector<std::string> names;
    DIR* dir = opendir(directory);
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        if (hasBinExtension(entry->d_name)) names.emplace_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), ntfsOrder);
    return names;
}

bool openWithDesktop(const char* target) {
    char message[256];
    return fl_open_uri(target, message, sizeof message) != 0;
}

// A stdio stream over `fd`, which it then owns; null with errno kept, and
// `fd` closed, when none can be had.
static std::FILE* streamOver(int fd, const char* mode) {
    std::FILE* file = fdopen(fd, mode);
    if (!file) {
        int error = errno;
        close(fd);
        errno = error;
    }
    return file;
}

std::FILE* openRegularFile(const char* path) {
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer; it has
    // no effect on the regular files that are kept.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info;
    int error = 0;
    if (fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        error = NOT_A_REGULAR_FILE;
    }
    if (error != 0) {
        close(fd);
        errno = error;
        return nullptr;
    }
    return streamOver(fd, "rb");
}

std::FILE* createNewFile(const char* path) {
    // O_EXCL fails on any existing entry, a dangling link included.
    int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    return streamOver(fd, "wb");
}

std::FILE* createTemporaryFor(const char* path, std::string& temporary) {
    temporary = std::string(path) + ".new";
    std::remove(temporary.c_str());
    return createNewFile(temporary.c_str());
}

bool makeDirectory(const char* path) {
    if (mkdir(path, 0755) == 0) return true;
    struct stat info;
    return errno == EEXIST && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool replaceFile(const char* from, const char* to) {
    return std::rename(from, to) == 0;
}

// True when `path` is a Windows executable (it starts with "MZ").
static bool isWindowsExecutable(const char* path) {
    std::FILE* file = openRegularFile(path);
    if (!file) return false;
    char magic[2] = {0, 0};
    size_t got = std::fread(magic, 1, 2, file);
    std::fclose(file);
    return got == 2 && magic[0] == 'M' && magic[1] == 'Z';
}

static bool wineOnPath() {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string dirs(path);
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string candidate = (end > start ? dirs.substr(start, end - start) : ".") + "/wine";
        if (access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

GameRun spawnGame(const char* program) {
    GameRun run{false, 0, "", 0};
    std::string relative = std::string("./") + program;
    std::vector<char*> argv;
    char wine[] = "wine";
    if (isWindowsExecutable(relative.c_str()) && wineOnPath()) argv.push_back(wine);
    argv.push_back(&relative[0]);
    argv.push_back(nullptr);

    pid_t pid = 0;
    int error = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        run.error = std::strerror(error);
        return run;
    }
    run.started = true;
    run.process = pid;
    return run;
}

bool gameHasEnded(GameRun& run, bool wait) {
    if (run.process == 0) return true;
    int status = 0;
    pid_t ended;
    do {
        ended = waitpid(static_cast<pid_t>(run.process), &status, wait ? 0 : WNOHANG);
    } while (ended < 0 && errno == EINTR);
    if (ended == 0) return false;
    // Ended, or no longer ours to wait for (ECHILD): either way it runs no more.
    if (ended > 0) run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.process = 0;
    return true;
}

bool toSystemCodePage(const char* utf8, char* out, size_t outSize) {
    bool fits = std::strlen(utf8) < outSize;
    if (outSize > 0) std::snprintf(out, outSize, "%s", fits ? utf8 : "");
    return fits;
}

void fromSystemCodePage(const char* text, char* out, size_t outSize) {
    if (outSize > 0) std::snprintf(out, outSize, "%s", text);
}

}  // namespace platform
