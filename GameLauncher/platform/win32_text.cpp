// The Win32 side's conversions between the system's code page, UTF-16 and
// the UTF-8 the toolkit takes, and its comparison of file names.
#include "platform/win32_text.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstring>

#include "platform/platform.h"

namespace platform {
namespace win32 {

bool toWide(UINT codePage, DWORD flags, const char* text, std::wstring& wide) {
    int length = MultiByteToWideChar(codePage, flags, text, -1, nullptr, 0);
    if (length <= 0) return false;
    wide.assign(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return true;
}

std::string toUtf8(const std::wstring& wide) {
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], length, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(length) - 1);
    return utf8;
}

}  // namespace win32

using win32::toUtf8;
using win32::toWide;

// The file system's own comparison: ordinal, letter case folded by the
// system's table, on the wide names the code page stands for.
bool sameFileName(const char* a, const char* b) {
    std::wstring wideA, wideB;
    if (!toWide(CP_ACP, 0, a, wideA) || !toWide(CP_ACP, 0, b, wideB)) return std::strcmp(a, b) == 0;
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
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
    const std::string utf8 = toUtf8(wide);
    // Cut before the first byte that does not fit, and back to the start of
    // the character it belongs to.
    size_t cut = utf8.size();
    if (cut >= outSize) {
        cut = outSize - 1;
        while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
    }
    std::memcpy(out, utf8.data(), cut);
    out[cut] = '\0';
}

}  // namespace platform
