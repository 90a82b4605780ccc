// Helpers shared by the unit tests: a scratch installation directory and a
// way to put the launcher's program-wide state back to its start-up values.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

// A fresh temporary directory that becomes the working directory for the
// object's lifetime; the previous working directory comes back and the
// directory is removed afterwards.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Writes `bytes` to `path` exactly, creating parent directories.
void writeFile(const std::string& path, const std::string& bytes);

// The whole file as bytes; "" when it cannot be read.
std::string readFile(const std::string& path);

bool fileExists(const std::string& path);

// Every program-wide variable of the launcher back to its start-up value
// (settings, display modes, profile list and record, settings store, screen).
void resetLauncherState();

}  // namespace test_support
