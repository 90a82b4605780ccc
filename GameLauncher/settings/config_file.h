// Reader of the key/value settings file "Data/config.ini".
//
// Each line "key value" becomes one entry; a line starting with '#' is a
// comment; an empty line is an entry with an empty key. CR LF, a lone LF and
// a lone CR each end a line. The value is the rest of the line after the
// spaces that follow the key, so inner spaces stay ("name Anna Maria").
// The first occurrence of a key counts; entries beyond MAX_ENTRIES, and
// bytes beyond MAX_READ_BYTES, are not read.
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
    // Twice what Start Game ever writes into the file (the launch settings
    // and at most 1 MiB of the game's own): memory stays bounded whatever
    // lies there.
    static constexpr size_t MAX_READ_BYTES = 2 * 1024 * 1024;

    // The single store, created empty on first use and never destroyed.
    static ConfigFile* instance();

    // (Re)reads PATH. A file that cannot be read, or that is no regular
    // file, leaves the table empty.
    void load();
    // (Re)reads `path`; load() is loadFrom(PATH).
    void loadFrom(const char* path);
    // Takes `data` (allocated with new[], owned from now on) as the file's
    // contents and splits it into entries. `data` holds size + 1 bytes: the
    // size bytes of the file and one more, which receives the NUL that ends
    // a last line without line end.
    void takeBuffer(char* data, size_t size);
    // Empties the table and frees the buffer.
    void clear();

    // The value of the first entry whose key equals `key`; null when there is
    // no such entry or it has no value.
    const char* getString(const char* key) const;
    // That value converted as sscanf "%d" does (leading white space, a sign,
    // the digits up to the first other byte), clamped to the int range; 0
    // when absent, without value or not a number.
    int getInt(const char* key) const;

    char* buffer = nullptr;
    size_t bufferSize = 0;
    ConfigEntry entries[MAX_ENTRIES] = {};

private:
    void split();
    const ConfigEntry* find(const char* key) const;
};
