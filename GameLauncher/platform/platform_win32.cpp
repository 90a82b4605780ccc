// Win32 side of the platform layer: the system metrics, the console window,
// the file search, the shell and CreateProcess, all through the ANSI calls,
// so names travel in the system's 8-bit code page as the game stores them
// (win32_text.cpp converts them).
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

#include "platform/win32_text.h"

namespace platform {

using win32::toUtf8;
using win32::toWide;

ScreenSize primaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

double desktopDpi() {
    // GetDpiForSystem (Windows 10 1607 and later) knows the system DPI of a
    // DPI-aware process; earlier systems give it as the screen's LOGPIXELSX.
    using DpiForSystem = UINT(WINAPI*)();
    FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForSystem");
    if (found) return reinterpret_cast<DpiForSystem>(reinterpret_cast<void*>(found))();
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void selectDisplay(int, char**) {}

std::string userInterfaceLanguage() {
    const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    wchar_t code[9];
    if (!GetLocaleInfoW(locale, LOCALE_SISO639LANGNAME, code, 9)) return "";
    return toUtf8(code);
}

void reportKeyRepeatsAsPresses() {}

void minimiseConsole() {
    HWND console = GetConsoleWindow();
    if (console) ShowWindow(console, SW_SHOWMINIMIZED);
}

ProgramIcons programIcons() {
    HINSTANCE program = GetModuleHandleW(nullptr);
    auto load = [program](int width, int height) -> void* {
        return LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, width, height, LR_DEFAULTCOLOR);
    };
    return {load(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)),
            load(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))};
}

// The file search also matches a pattern against the 8.3 alias of a long
// name ("notes.binary" is also "NOTES~1.BIN"), so the name it reports is
// checked once more.
static bool hasBinExtension(const char* name) {
    size_t length = std::strlen(name);
    return length >= 4 && equalIgnoringAsciiCase(name + length - 4, 4, ".bin");
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

std::FILE* createTemporaryFor(const char* path, std::string& temporary) {
    static unsigned count = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".%lu-%u.new",
                      static_cast<unsigned long>(GetCurrentProcessId()), count++);
        temporary = std::string(path) + suffix;
        std::FILE* file = createNewFile(temporary.c_str());
        if (file || errno != EEXIST) return file;
    }
    return nullptr;
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

// The system's text for an error code about `program`, in UTF-8 and without
// its line end. The wide text reads right in any code page; its "%1" (as in
// "%1 is not a valid Win32 application.") stands for the program, put in by
// hand, as inserts are never taken from an argument array.
static std::string systemErrorText(DWORD code, const char* program) {
    wchar_t text[512] = L"";
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text / sizeof text[0], nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' ||
                          text[length - 1] == L' ')) {
        text[--length] = L'\0';
    }
    std::string message = toUtf8(std::wstring(text, length));
    std::wstring wideProgram;
    toWide(CP_ACP, 0, program, wideProgram);
    const std::string name = toUtf8(wideProgram);
    for (size_t at = message.find("%1"); at != std::string::npos;
         at = message.find("%1", at + name.size())) {
        message.replace(at, 2, name);
    }
    char number[32];
    std::snprintf(number, sizeof number, "error %lu", static_cast<unsigned long>(code));
    return message.empty() ? number : message + " (" + number + ")";
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
        run.error = systemErrorText(GetLastError(), program);
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

}  // namespace platform
