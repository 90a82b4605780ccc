#include "settings/config_file.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>

#include "platform/platform.h"

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isSpace(char c) { return c == ' '; }

// The file is read in pieces no larger than this.
const size_t READ_CHUNK = 64 * 1024;

// Counts, as the bytes arrive, the entries that split() will make of them,
// so that reading stops once the table is full.
class EntryCounter {
public:
    // Takes the next `size` bytes; gives how many of them belong to the first
    // MAX_ENTRIES entries (all while fewer are complete).
    size_t feed(const char* bytes, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            char c = bytes[i];
            bool secondOfCrLf = afterCr_ && c == '\n';
            afterCr_ = c == '\r';
            if (secondOfCrLf) continue;
            if (atLineStart_) comment_ = c == '#';
            atLineStart_ = isLineEnd(c);
            if (atLineStart_ && !comment_ && ++entries_ == ConfigFile::MAX_ENTRIES) return i + 1;
        }
        return size;
    }
    bool full() const { return entries_ >= ConfigFile::MAX_ENTRIES; }

private:
    int entries_ = 0;
    bool atLineStart_ = true;
    bool comment_ = false;
    bool afterCr_ = false;
};

// The bytes of `file` up to the end of its MAX_ENTRIES-th entry and at most
// MAX_READ_BYTES, in a new[] block with one spare byte at the end; null when
// no block can be had. The block grows as the bytes come, so a large file
// costs no more memory than the entries need.
char* readEntries(std::FILE* file, size_t* size) {
    EntryCounter counter;
    size_t capacity = 0, used = 0;
    char* data = nullptr;
    while (!counter.full() && used < ConfigFile::MAX_READ_BYTES) {
        if (capacity - used < 2) {
            size_t grown =
                std::min(std::max<size_t>(2 * capacity, 4096), ConfigFile::MAX_READ_BYTES + 1);
            char* larger = new (std::nothrow) char[grown];
            if (!larger) break;
            if (used) std::memcpy(larger, data, used);
            delete[] data;
            data = larger;
            capacity = grown;
        }
        size_t wanted = std::min(capacity - used - 1, READ_CHUNK);
        size_t got = std::fread(data + used, 1, wanted, file);
        used += counter.feed(data + used, got);
        if (got < wanted) break;  // the end of the file, or a read error
    }
    *size = used;
    return data;
}

}  // namespace

ConfigFile* ConfigFile::instance() {
    static ConfigFile* store = new ConfigFile;
    return store;
}

void ConfigFile::load() { loadFrom(PATH); }

void ConfigFile::loadFrom(const char* path) {
    clear();
    // Only a regular file: a FIFO or a device of that name could block
    // start-up or read without end.
    std::FILE* file = platform::openRegularFile(path);
    if (!file) return;
    size_t size = 0;
    char* data = readEntries(file, &size);
    std::fclose(file);
    if (data) takeBuffer(data, size);
}

void ConfigFile::takeBuffer(char* data, size_t size) {
    clear();
    if (!data) return;
    buffer = data;
    bufferSize = size;
    buffer[size] = '\0';
    split();
}

void ConfigFile::clear() {
    delete[] buffer;
    buffer = nullptr;
    bufferSize = 0;
    std::fill(std::begin(entries), std::end(entries), ConfigEntry{nullptr, nullptr});
}

// One pass over the buffer: every line end and the first space after each
// key become NUL, so keys and values are texts inside the buffer. The spare
// byte after the data ends a last line without line end.
void ConfigFile::split() {
    char* const end = buffer + bufferSize;
    char* line = buffer;
    int slot = 0;
    while (line < end && slot < MAX_ENTRIES) {
        char* lineEnd = std::find_if(line, end, isLineEnd);
        if (*line != '#') {
            ConfigEntry& entry = entries[slot++];
            // The first byte belongs to the key even when it is a space.
            entry.key = line;
            char* space = line < lineEnd ? std::find(line + 1, lineEnd, ' ') : lineEnd;
            if (space != lineEnd) {
                *space = '\0';
                entry.value = std::find_if_not(space + 1, lineEnd, isSpace);
            }
        }
        bool crlf = lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n';
        *lineEnd = '\0';
        line = lineEnd + (crlf ? 2 : 1);
    }
}

const ConfigEntry* ConfigFile::find(const char* key) const {
    if (!key) return nullptr;
    for (const ConfigEntry& entry : entries) {
        if (!entry.key) return nullptr;
        if (std::strcmp(entry.key, key) == 0) return &entry;
    }
    return nullptr;
}

const char* ConfigFile::getString(const char* key) const {
    const ConfigEntry* entry = find(key);
    return entry ? entry->value : nullptr;
}

int ConfigFile::getInt(const char* key) const {
    const char* value = getString(key);
    if (!value) return 0;
    // strtoll reads what "%d" reads, and saturates where "%d" would overflow.
    long long number = std::strtoll(value, nullptr, 10);
    return static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
}
