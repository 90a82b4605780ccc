// The few operations the launcher takes from the operating system. Everything
// else is portable code; platform_posix.cpp and platform_win32.cpp hold the
// two implementations, and exactly one of them is linked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace platform {

struct ScreenSize {
    int width;
    int height;
};

// Makes a display named by the toolkit's command-line switches the one that
// primaryScreenSize measures (X11's -display); nothing to do on Windows.
void selectDisplay(int argc, char** argv);

// Full size of the primary screen in pixels (not the work area).
ScreenSize primaryScreenSize();

// The resolution the desktop announces for a scaled screen, in dots per inch
// (96 is unscaled): Windows' system DPI, X11's Xft.dpi resource. 0 when none
// is announced or it cannot be read.
double desktopDpi();

// The user's interface language as an ISO 639 code ("de", "fr"; "en" for the
// C and POSIX locales), "" when none is set. Windows: the primary language
// of the user's UI language; POSIX: the first non-empty of LC_ALL,
// LC_MESSAGES and LANG, up to its territory, code set or modifier.
std::string userInterfaceLanguage();

// Writes one line (`format` and its arguments, then a line end) to standard
// output in a single write, so that it is out at once and whole, in order
// with standard error and the game's own output, even when standard output
// is a pipe; stdio would not do: the Microsoft C runtime writes an
// unbuffered stream piece by piece, and a buffered one later.
void consoleLine(const char* format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Has the display report a key held down as repeated presses only: X11
// otherwise sends a release before each repeat, which a busy program may take
// for the key going up. Windows does so already.
void reportKeyRepeatsAsPresses();

// Minimises the console window the system gave the program, if there is one.
void minimiseConsole();

// Names and extensions compare by their ASCII letters only: the C library's
// case functions follow the locale the toolkit takes from the environment,
// and in Turkish "i" and "I" are no pair.
inline char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether the first `aLength` bytes of `a` are `b` but for ASCII letter case.
inline bool equalIgnoringAsciiCase(const char* a, size_t aLength, const char* b) {
    if (std::strlen(b) != aLength) return false;
    for (size_t i = 0; i < aLength; ++i) {
        if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    }
    return true;
}

// Whether the file system takes two names (in the code page) for one file:
// equal bytes on POSIX; on Windows also names that differ in letter case
// only, as NTFS compares them ("Anna" and "anna", "\xC9mile" and "\xE9mile").
bool sameFileName(const char* a, const char* b);

// The program's own icon at the system's large and small icon sizes, as
// icon handles (HICON) loaded from GameLauncher.exe's first icon resource;
// null where there is none (on X11 the windows take the toolkit's images).
struct ProgramIcons {
    void* large = nullptr;
    void* small = nullptr;
};
ProgramIcons programIcons();

// Names (file name part only, as stored) of the entries of `directory` that
// match "*.bin", the extension's ASCII letters compared without case,
// directories included. POSIX yields them in the order an NTFS directory
// gives (bytes compared after upper-casing ASCII letters); Windows yields
// them in the file system's order. A missing or unreadable directory gives an empty list.
std::vector<std::string> listBinEntries(const char* directory);

// Hands `target` (a URI) to the desktop's default handler and returns without
// waiting for it. True when a handler was started.
bool openWithDesktop(const char* target);

// The errno-style code for a path that names something other than a regular
// file (a FIFO, a device, a socket); no errno value says that.
constexpr int NOT_A_REGULAR_FILE = -1;

// The text of an errno value or of NOT_A_REGULAR_FILE, for messages.
inline std::string errorText(int error) {
    return error == NOT_A_REGULAR_FILE ? "not a regular file" : std::strerror(error);
}

// Opens `path` for binary reading when it is a regular file. The open never
// blocks (a FIFO of that name cannot hang the launcher) and the type is
// checked on the opened file itself. Null otherwise, with errno set: EISDIR
// for a directory, NOT_A_REGULAR_FILE for a FIFO or a device.
std::FILE* openRegularFile(const char* path);

// Creates `path` for binary writing only if no entry of that name exists yet,
// not even a link, so nothing is ever written through a link or into a file
// this call did not create. Null with errno set when it cannot.
std::FILE* createNewFile(const char* path);

// Creates, beside `path`, a temporary file for its new content, as
// createNewFile does, and puts its name in `temporary`. POSIX names it
// "<path>.new" and first removes what an interrupted start may have left
// there (unlink removes a link itself, never its target). Windows removes
// nothing, as under Wine a link may pass for a regular file and deleting it
// deletes its target: the name is this start's own ("<path>.<process
// id>-<count>.new"), the next count taken when that name is in use. Null
// with errno set when it cannot.
std::FILE* createTemporaryFor(const char* path, std::string& temporary);

// Creates the directory `path` (one level); true when it exists afterwards.
bool makeDirectory(const char* path);

// Renames `from` to `to`, replacing `to` when it exists, in one step; a link
// named `to` is replaced itself, never followed. False with errno set.
bool replaceFile(const char* from, const char* to);

struct GameRun {
    bool started;           // false: the program could not be started at all
    int exitStatus;         // the program's own status once it has ended
    std::string error;      // why it could not be started
    std::intptr_t process;  // the running program (a process id or handle), 0 once ended
};

// Starts `program` (a path relative to the working directory) with the
// working directory as its own, and returns without waiting for it.
GameRun spawnGame(const char* program);

// Whether the game that spawnGame started has ended; waits for that first
// when `wait` is set. Once it has, `run.exitStatus` holds its status and the
// process is released. A game that did not start counts as ended.
bool gameHasEnded(GameRun& run, bool wait = false);

// spawnGame, then waits until the game has ended.
inline GameRun runGameAndWait(const char* program) {
    GameRun run = spawnGame(program);
    gameHasEnded(run, true);
    return run;
}

// Profile names travel in the system's code page, which the Windows file
// calls and the game use; the toolkit shows and takes UTF-8. On POSIX both
// are the bytes as stored, copied. Both write a terminated text into `out`
// (outSize bytes).

// `utf8` in the code page. False, with `out` empty, when it does not fit, or
// on Windows when the code page holds one of its characters only by a
// look-alike or not at all, or when it is no valid UTF-8.
bool toSystemCodePage(const char* utf8, char* out, size_t outSize);

// `text`, in the code page, as UTF-8; cut to fit (on Windows before a whole
// character).
void fromSystemCodePage(const char* text, char* out, size_t outSize);

}  // namespace platform
