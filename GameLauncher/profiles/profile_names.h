// Which typed names can become a profile file, and how a name is cut to fit.
#pragma once

#include <cstddef>

// A typed name keeps at most this many bytes.
constexpr size_t TYPED_NAME_MAX_BYTES = 31;

// Copies the longest start of `text` that has at most `maxBytes` bytes and
// does not end inside a UTF-8 character into `out` (NUL-terminated; never
// more than outSize - 1 bytes).
void copyCutName(const char* text, size_t maxBytes, char* out, size_t outSize);

// True when `name` (UTF-8) can be the file name "<name>.bin" inside
// Data/Profils on Windows as on POSIX: not empty, no path or wildcard
// character, no control character, no leading or trailing space or dot, no
// Windows device name, not the game's score file, and every character held
// by the system's code page, which the Windows file calls and the game use.
bool isAcceptableProfileName(const char* name);

// The name a typed text (UTF-8) stands for: cut to TYPED_NAME_MAX_BYTES (and
// then without the spaces and dots the cut leaves at its end), into
// `out` in the system's code page, as profile names are kept (empty when the
// code page cannot hold it). True when that name is acceptable.
bool typedProfileName(const char* typed, char* out, size_t outSize);
