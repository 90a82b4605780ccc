#include "settings/config_file.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>
#include <sys/stat.h>

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isSpace(char c) { return c == ' '; }

// The whole of `file` in a new[] block with one spare byte at the end; null
// when its length cannot be had or the block cannot be allocated.
char* readWhole(std::FILE* file, size_t* size) {
    if (std::fseek(file, 0, SEEK_END) != 0) return nullptr;
    long length = std::ftell(file);
    if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0) return nullptr;
    char* data = new (std::nothrow) char[static_cast<size_t>(length) + 1];
    if (!data) return nullptr;
    // A file that shrank meanwhile gives what could still be read.
    *size = std::fread(data, 1, static_cast<size_t>(length), file);
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
    // Only a plain file: opening a FIFO or a device of that name could block
    // start-up or read without end.
    struct stat info;
    if (stat(path, &info) != 0 || !S_ISREG(info.st_mode)) return;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return;
    size_t size = 0;
    char* data = readWhole(file, &size);
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
