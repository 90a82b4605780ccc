#include "profiles/profile_names.h"

#include <cstring>

#include "platform/platform.h"
#include "profiles/profile_list.h"

namespace {

bool isUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// A UTF-8 character is at most four bytes: a lead byte and three continuations.
const size_t MAX_CONTINUATION_BYTES = 3;

// Characters that Windows refuses in file names, '/' and '\' included.
const char* const FORBIDDEN_CHARACTERS = "/\\:*?\"<>|";

// Names Windows reserves for devices, with or without an extension; the
// superscript digits (UTF-8 here) count too, as they become single bytes of
// the ANSI code page.
const char* const DEVICE_NAMES[] = {
    "CON",         "PRN",         "AUX",         "NUL",         "CONIN$",      "CONOUT$",
    "COM1",        "COM2",        "COM3",        "COM4",        "COM5",        "COM6",
    "COM7",        "COM8",        "COM9",        "LPT1",        "LPT2",        "LPT3",
    "LPT4",        "LPT5",        "LPT6",        "LPT7",        "LPT8",        "LPT9",
    "COM\xC2\xB9", "COM\xC2\xB2", "COM\xC2\xB3", "LPT\xC2\xB9", "LPT\xC2\xB2", "LPT\xC2\xB3",
};

// "<name>.bin" of this name is the game's score file on a case-blind file system.
const char* const SCORES_NAME = "Scores";

bool isControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// Windows opens the device whatever follows the first dot, and ignores
// trailing blanks before it.
bool isDeviceName(const char* name) {
    size_t base = std::strcspn(name, ".");
    while (base > 0 && name[base - 1] == ' ') --base;
    for (const char* device : DEVICE_NAMES) {
        if (platform::equalIgnoringAsciiCase(name, base, device)) return true;
    }
    return false;
}

}  // namespace

void copyCutName(const char* text, size_t maxBytes, char* out, size_t outSize) {
    if (outSize == 0) return;
    size_t limit = maxBytes < outSize - 1 ? maxBytes : outSize - 1;
    size_t cut = 0;
    while (cut < limit && text[cut] != '\0') ++cut;
    if (cut == limit && isUtf8Continuation(static_cast<unsigned char>(text[cut]))) {
        // The first dropped byte continues a character: drop that character's
        // start too. Text that is no valid UTF-8 is cut at the byte limit.
        size_t start = cut;
        while (start > 0 && cut - start < MAX_CONTINUATION_BYTES &&
               isUtf8Continuation(static_cast<unsigned char>(text[start]))) {
            --start;
        }
        if (!isUtf8Continuation(static_cast<unsigned char>(text[start]))) cut = start;
    }
    std::memcpy(out, text, cut);
    out[cut] = '\0';
}

bool isAcceptableProfileName(const char* name) {
    size_t length = std::strlen(name);
    if (length == 0) return false;
    for (size_t i = 0; i < length; ++i) {
        unsigned char byte = static_cast<unsigned char>(name[i]);
        if (isControl(byte) || std::strchr(FORBIDDEN_CHARACTERS, name[i])) return false;
    }
    // Also covers "." and "..".
    const char first = name[0], last = name[length - 1];
    if (first == ' ' || first == '.' || last == ' ' || last == '.') return false;
    if (isDeviceName(name)) return false;
    if (platform::equalIgnoringAsciiCase(name, length, SCORES_NAME)) return false;
    char stored[PROFILE_NAME_SIZE];
    return platform::toSystemCodePage(name, stored, sizeof stored);
}

bool typedProfileName(const char* typed, char* out, size_t outSize) {
    char name[TYPED_NAME_MAX_BYTES + 1];
    copyCutName(typed, TYPED_NAME_MAX_BYTES, name, sizeof name);
    // Spaces and dots the cut left at the end were not typed there: dropped,
    // as Windows would drop them from the file name. Typed ones are refused.
    size_t length = std::strlen(name);
    if (typed[length] != '\0') {
        while (length > 0 && (name[length - 1] == ' ' || name[length - 1] == '.')) --length;
        name[length] = '\0';
    }
    bool held = platform::toSystemCodePage(name, out, outSize);
    return held && isAcceptableProfileName(name);
}
