// Win32 side of the platform layer: the system metrics, the console window,
// the file search, the shell and CreateProcess, all through the ANSI calls,
// so names travel in the system's 8-bit code page as the game stores them.
#include "platform/platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace platform {

ScreenSize primaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void selectDisplay(int, char**) {}

void minimiseConsole() {
    HWND console = GetConsoleWindow();
    if (console) ShowWindow(console, SW_SHOWMINIMIZED);
}

// The file search also matches a pattern against the 8.3 alias of a long
// name ("notes.binary" is also "NOTES~1.BIN"), so the name it reports is
// checked once more.
static bool hasBinExtension(const char* name) {
    size_t length = std::strlen(name);
    return length >= 4 && lstrcmpiA(name + length - 4, ".bin") == 0;
}

std::vector<std::string> listBinEntries(const char* directory) {
    std::vector<std::string> names;
    std::string pattern(directory);
    if (!pattern.empty() && pattern.back() != '/' && pattern.back() != '\\') pattern += '\\';
    pattern += "*.bin";

    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (hasBinExtension(entry.cFileName)) names.emplace_back(entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

bool openWithDesktop(const char* target) {
    HINSTANCE result = ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success; smaller ones are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// The errno value that says what a Win32 error code says, so that messages
// read alike on both systems.
static int errnoFor(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        default:
            return EIO;
    }
}

// A stdio stream over `handle`, which it then owns; null with errno set, and
// the handle closed, when the handle is none or names no disk file.
static std::FILE* streamOver(HANDLE handle, int flags, const char* mode) {
    if (handle == INVALID_HANDLE_VALUE) {
        errno = errnoFor(GetLastError());
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info;
    int error = 0;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        error = NOT_A_REGULAR_FILE;  // a device (NUL, CON, COM1) or a pipe
    } else if (!GetFileInformationByHandle(handle, &info)) {
        error = errnoFor(GetLastError());
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = EISDIR;
    }
    int fd = error == 0 ? _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags) : -1;
    if (fd < 0) {
        CloseHandle(handle);
        errno = error != 0 ? error : EMFILE;
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, mode);
    if (!file) {
        error = errno;
        _close(fd);
        errno = error;
    }
    return file;
}

std::FILE* openRegularFile(const char* path) {
    // Backup semantics lets a directory open too, so that it is named as one.
    HANDLE handle =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    return streamOver(handle, _O_RDONLY | _O_BINARY, "rb");
}

std::FILE* createNewFile(const char* path) {
    // CREATE_NEW fails on any existing name; with OPEN_REPARSE_POINT a link
    // of that name is never followed to its target.
    HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    return streamOver(handle, _O_WRONLY | _O_BINARY, "wb");
}

bool makeDirectory(const char* path) {
    if (CreateDirectoryA(path, nullptr)) return true;
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool replaceFile(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING)) return true;
    errno = errnoFor(GetLastError());
    return false;
}

// The system's text for an error code, without its line end.
static std::string systemErrorText(DWORD code) {
    char text[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                          text[length - 1] == ' ')) {
        text[--length] = '\0';
    }
    char message[600];
    if (length == 0) {
        std::snprintf(message, sizeof message, "error %lu", static_cast<unsigned long>(code));
    } else {
        std::snprintf(message, sizeof message, "%s (error %lu)", text,
                      static_cast<unsigned long>(code));
    }
    return message;
}

GameRun spawnGame(const char* program) {
    GameRun run{false, 0, "", 0};
    // A relative application name is taken from the working directory only;
    // a bare command line would be looked up next to the launcher first and
    // along PATH.
    std::string commandLine = std::string("\"") + program + "\"";
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::memset(&process, 0, sizeof process);

    // The game writes to the same console; keep our lines before its own.
    std::fflush(stdout);
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        run.error = systemErrorText(GetLastError());
        return run;
    }
    run.started = true;
    CloseHandle(process.hThread);
    run.process = reinterpret_cast<std::intptr_t>(process.hProcess);
    return run;
}

bool gameHasEnded(GameRun& run, bool wait) {
    if (run.process == 0) return true;
    HANDLE process = reinterpret_cast<HANDLE>(run.process);
    if (WaitForSingleObject(process, wait ? INFINITE : 0) == WAIT_TIMEOUT) return false;
    DWORD status = 0;
    if (GetExitCodeProcess(process, &status)) run.exitStatus = static_cast<int>(status);
    CloseHandle(process);
    run.process = 0;
    return true;
}

// `text` in `codePage` as UTF-16 (without the terminator); false when
// `flags` ask for valid text and it is not.
static bool toWide(UINT codePage, DWORD flags, const char* text, std::wstring& wide) {
    int length = MultiByteToWideChar(codePage, flags, text, -1, nullptr, 0);
    if (length <= 0) return false;
    wide.assign(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return true;
}

bool toSystemCodePage(const char* utf8, char* out, size_t outSize) {
    if (outSize == 0) return false;
    out[0] = '\0';
    std::wstring wide;
    if (!toWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, wide)) return false;
    // No best fit: it would hold U+FF0F, a slash's look-alike, as '/' and
    // turn a name into a path. A UTF-8 code page takes neither the flag nor
    // the default character.
    UINT codePage = GetACP();
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(
        codePage, codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, out,
        static_cast<int>(outSize), nullptr, codePage == CP_UTF8 ? nullptr : &usedDefault);
    if (length > 0 && !usedDefault) return true;
    out[0] = '\0';
    return false;
}

void fromSystemCodePage(const char* text, char* out, size_t outSize) {
    if (outSize == 0) return;
    out[0] = '\0';
    std::wstring wide;
    if (!toWide(CP_ACP, 0, text, wide)) return;
    std::string utf8(static_cast<size_t>(
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    // Cut before the first byte that does not fit, and back to the start of
    // the character it belongs to.
    size_t cut = std::strlen(utf8.c_str());
    if (cut >= outSize) {
        cut = outSize - 1;
        while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
    }
    std::memcpy(out, utf8.data(), cut);
    out[cut] = '\0';
}

}  // namespace platform
