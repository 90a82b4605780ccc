// What the Win32 side of the platform layer shares between its files.
#pragma once

#include <string>

namespace platform::win32 {

// `text` in `codePage` as UTF-16 (without the terminator); false when
// `flags` (MultiByteToWideChar's) ask for valid text and it is not.
bool toWide(unsigned codePage, unsigned long flags, const char* text, std::wstring& wide);

// UTF-16 `wide` as UTF-8.
std::string toUtf8(const std::wstring& wide);

}  // namespace platform::win32
