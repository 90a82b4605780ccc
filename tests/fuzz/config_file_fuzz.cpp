// Arbitrary bytes as the settings file: every entry lies in the reader's own
// buffer, without line ends, and the lookup finds the first entry of a key;
// read from a file in pieces, the same bytes give the same entries.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "settings/config_file.h"

#define CHECK(condition) \
    if (!(condition)) std::abort()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ConfigFile store, fromFile;
    static char path[] = "/tmp/config-file-fuzz-XXXXXX";
    static int fd = mkstemp(path);
    static bool removedAtExit = std::atexit([] { unlink(path); }) == 0;
    CHECK(fd >= 0 && removedAtExit && ftruncate(fd, 0) == 0);
    CHECK(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));
    fromFile.loadFrom(path);
    char* bytes = static_cast<char*>(std::memcpy(new char[size + 1], data, size));
    store.takeBuffer(bytes, size);
    for (int i = 0; i < ConfigFile::MAX_ENTRIES; ++i) {
        const ConfigEntry &entry = store.entries[i], &read = fromFile.entries[i];
        CHECK(!entry.key == !read.key && !entry.value == !read.value);
        if (!entry.key) break;
        CHECK(entry.key >= bytes && entry.key + std::strlen(entry.key) <= bytes + size);
        CHECK(entry.key[0] != '#' && !std::strpbrk(entry.key, "\r\n") && !std::strcmp(read.key, entry.key));
        CHECK(!entry.value || (entry.value > entry.key && !std::strpbrk(entry.value, "\r\n") &&
                               !std::strcmp(read.value, entry.value)));
        int first = 0;
        while (i < 32 && std::strcmp(store.entries[first].key, entry.key) != 0) ++first;
        CHECK(i >= 32 || store.getString(entry.key) == store.entries[first].value);  // 32: kept fast
    }
    return 0;
}
