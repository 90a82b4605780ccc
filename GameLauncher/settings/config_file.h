// Reader of the key/value settings file "Data/config.ini".
#pragma once

#include <cstddef>

struct ConfigEntry {
    char* key;    // NUL-terminated, inside ConfigFile::buffer; null marks an empty slot
    char* value;  // NUL-terminated, inside ConfigFile::buffer; null when the line has none
};

class ConfigFile {
public:
    static constexpr int MAX_ENTRIES = 512;
    static constexpr const char* PATH = "Data/config.ini";

    // The single store, created empty on first use and never destroyed.
    static ConfigFile* instance();

    // (Re)reads PATH. A file that cannot be read leaves the table empty.
    void load();
    // (Re)reads `path`; load() is loadFrom(PATH).
    void loadFrom(const char* path);
    // Takes `data` (size bytes, owned from now on, allocated with new[]) as
    // the file's contents and splits it into entries.
    void takeBuffer(char* data, size_t size);
    // Empties the table and frees the buffer.
    void clear();

    // The value of the first entry whose key equals `key`; null when there is
    // no such entry or it has no value.
    const char* getString(const char* key) const;
    // That value converted as sscanf "%d" does; 0 when absent or not a number.
    int getInt(const char* key) const;

    char* buffer = nullptr;
    size_t bufferSize = 0;
    ConfigEntry entries[MAX_ENTRIES] = {};
};
