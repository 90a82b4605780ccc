// A throw-away game installation for the benchmarks: the directory layout
// the launcher works in, with settings and profile files of chosen sizes.
#pragma once

#include <string>

class Installation {
public:
    // Creates an empty installation (Data and Data/Profils) under $TMPDIR.
    Installation();
    // Removes the whole directory tree.
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    // Writes `bytes` to the file `relative` (created or truncated).
    void write(const std::string& relative, const std::string& bytes) const;

    // Puts the launcher's settings files and the directory entries on disk
    // (fsync), so that the next write meets them as a real start of the game
    // does, long after they were last written, and not with the writeback of
    // the previous iteration still in flight.
    void settleOnDisk() const;

    // The usual start of the game: two profiles, Anna (new) and Bob (10
    // levels, 5 challenges), and settings naming Bob, mode 3, English,
    // volume 2, followed by the game's own settings.
    void fillTypical() const;

private:
    std::string root_;
};

// A 23812-byte save record for `name` with the given progress.
std::string profileRecordBytes(const std::string& name, int levelsDone, int challengesDone);

// A settings file of CR LF lines: the seven launch settings lines and the
// empty line, then game settings lines until it holds `lines` lines.
std::string settingsText(int lines);

// Game settings lines with long values until the text has `bytes` bytes.
std::string settingsTextOfSize(size_t bytes);

// The game's own settings file of `lines` lines.
std::string gameSettingsText(int lines);
