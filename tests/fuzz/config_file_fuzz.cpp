// Feeds arbitrary bytes to the settings file reader and checks that every
// entry it makes points into its own buffer and is terminated there, and
// that reading the bytes from a file gives the same entries.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "settings/config_file.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// A text starting at `text` is terminated inside [begin, end], where *end is
// the spare byte after the data.
bool terminatedInside(const char* text, const char* begin, const char* end) {
    return text >= begin && text <= end &&
           std::memchr(text, '\0', static_cast<size_t>(end - text) + 1) != nullptr;
}

char scratchPath[] = "/tmp/config-file-fuzz-XXXXXX";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ConfigFile store;
    char* bytes = new char[size + 1];
    if (size) std::memcpy(bytes, data, size);
    store.takeBuffer(bytes, size);
    const char *begin = store.buffer, *end = begin + size;
    check(store.bufferSize == size);

    int count = 0;
    while (count < ConfigFile::MAX_ENTRIES && store.entries[count].key) ++count;
    for (int i = count; i < ConfigFile::MAX_ENTRIES; ++i)
        check(!store.entries[i].value && !store.entries[i].key);

    for (int i = 0; i < count; ++i) {
        const ConfigEntry& entry = store.entries[i];
        check(terminatedInside(entry.key, begin, end) && entry.key[0] != '#');
        check(!std::strpbrk(entry.key, "\r\n"));
        if (entry.value) {
            check(terminatedInside(entry.value, begin, end) && entry.value > entry.key);
            check(entry.value[0] != ' ' && !std::strpbrk(entry.value, "\r\n"));
        }
        // The lookup finds this entry or an earlier one with the same key;
        // checked for the first entries only, to keep the runs fast.
        if (i >= 32) continue;
        const char* found = store.getString(entry.key);
        bool earlierOrThis = false;
        for (int j = 0; j <= i && !earlierOrThis; ++j) {
            earlierOrThis = std::strcmp(store.entries[j].key, entry.key) == 0 &&
                            store.entries[j].value == found;
        }
        check(earlierOrThis);
        store.getInt(entry.key);
    }

    // Read from a file, in pieces and only as far as the entries need, the
    // same bytes give the same entries.
    static int fd = mkstemp(scratchPath);
    static bool removedAtExit = std::atexit([] { unlink(scratchPath); }) == 0;
    check(fd >= 0 && removedAtExit);
    check(ftruncate(fd, 0) == 0 && pwrite(fd, data, size, 0) == ssize_t(size));
    static ConfigFile fromFile;
    fromFile.loadFrom(scratchPath);
    for (int i = 0; i < ConfigFile::MAX_ENTRIES; ++i) {
        const ConfigEntry &a = store.entries[i], &b = fromFile.entries[i];
        check(!a.key == !b.key && !a.value == !b.value);
        check(!a.key || std::strcmp(a.key, b.key) == 0);
        check(!a.value || std::strcmp(a.value, b.value) == 0);
    }
    store.clear();
    return 0;
}
