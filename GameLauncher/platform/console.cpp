#include <cstdarg>
#include <cstdio>

#include "platform/platform.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>

#include <cerrno>
#endif

namespace platform {

void consoleLine(const char* format, ...) {
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(line, sizeof line - 1, format, arguments);
    va_end(arguments);
    if (length < 0) return;
    const int size = (length < static_cast<int>(sizeof line) - 2 ? length : sizeof line - 2) + 1;
    line[size - 1] = '\n';
#ifdef _WIN32
    // In text mode the runtime turns the line end into CR LF on its way.
    _write(1, line, static_cast<unsigned>(size));
#else
    while (write(STDOUT_FILENO, line, size) < 0 && errno == EINTR) {
    }
#endif
}

}  // namespace platform
