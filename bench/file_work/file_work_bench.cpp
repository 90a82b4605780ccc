// The launcher's file work, timed with Google Benchmark on files in a
// temporary installation (warm page cache): the settings load, the profile
// scan, the profile load with its progress line, and the two steps of Start
// Game that write files. Each is run at several input sizes, and the figures
// that have targets are printed against them at the end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "collecting_reporter.h"
#include "installation.h"
#include "launch/launch_settings.h"
#include "platform/screen.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "quiet_stdout.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "stats.h"
#include "targets.h"

namespace {

constexpr double REALISTIC_LIMIT_MS = 1.0;
constexpr double LARGE_LIMIT_MS = 50.0;
constexpr double LINEAR_EXPONENT_LIMIT = 1.2;

// One installation per benchmark and input size, made on first use and kept
// until the program ends, so that making the files is never timed.
Installation& installationFor(const std::string& key, void (*fill)(const Installation&, long),
                              long size) {
    static std::map<std::string, std::unique_ptr<Installation>> made;
    std::unique_ptr<Installation>& slot = made[key + "/" + std::to_string(size)];
    if (!slot) {
        slot = std::make_unique<Installation>();
        fill(*slot, size);
    }
    return *slot;
}

void enter(const Installation& install) {
    if (chdir(install.root().c_str()) != 0)
        throw std::runtime_error("cannot enter " + install.root());
}

// ---- settings load ----

void fillSettingsLines(const Installation& install, long lines) {
    install.write("Data/config.ini", settingsText(static_cast<int>(lines)));
}

void fillSettingsBytes(const Installation& install, long bytes) {
    install.write("Data/config.ini", settingsTextOfSize(static_cast<size_t>(bytes)));
}

void loadSettings(benchmark::State& state, const Installation& install) {
    const std::string path = install.path("Data/config.ini");
    ConfigFile* config = ConfigFile::instance();
    for (auto _ : state) {
        config->loadFrom(path.c_str());
        benchmark::DoNotOptimize(config->getInt("volume"));
    }
    if (config->getInt("volume") != 2) state.SkipWithError("the settings were not read");
    config->clear();
}

void BM_SettingsLoadLines(benchmark::State& state) {
    loadSettings(state, installationFor("lines", fillSettingsLines, state.range(0)));
}
BENCHMARK(BM_SettingsLoadLines)
    ->Name("settings_load")
    ->ArgName("lines")
    ->Arg(30)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

void BM_SettingsLoadBytes(benchmark::State& state) {
    loadSettings(state, installationFor("bytes", fillSettingsBytes, state.range(0)));
}
BENCHMARK(BM_SettingsLoadBytes)
    ->Name("settings_load")
    ->ArgName("bytes")
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMicrosecond);

// ---- profile scan ----

// `files` profile files (empty: the scan only lists names) and a Scores.bin.
void fillProfiles(const Installation& install, long files) {
    for (long i = 0; i < files; ++i)
        install.write("Data/Profils/Player" + std::to_string(i) + ".bin", "");
    install.write("Data/Profils/Scores.bin", "");
}

void BM_ProfileScan(benchmark::State& state) {
    const long files = state.range(0);
    enter(installationFor("profiles", fillProfiles, files));
    {
        QuietStdout quiet;
        for (auto _ : state) {
            scanProfiles();
            benchmark::DoNotOptimize(ProfileList::count);
        }
    }
    if (ProfileList::count != std::min<long>(files, MAX_PROFILES))
        state.SkipWithError("the scan listed a wrong number of profiles");
    ProfileList::reset();
}
BENCHMARK(BM_ProfileScan)
    ->Name("profile_scan")
    ->ArgName("files")
    ->Arg(20)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// ---- profile load and progress ----

// Bob's record, followed by `extra` bytes the launcher must not read.
void fillProfileRecord(const Installation& install, long extra) {
    install.write("Data/Profils/Bob.bin",
                  profileRecordBytes("Bob", 10, 5) + std::string(static_cast<size_t>(extra), 'x'));
}

void BM_ProfileLoad(benchmark::State& state) {
    enter(installationFor("record", fillProfileRecord, state.range(0)));
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", "Bob");
    for (auto _ : state) {
        loadProfileRecord();
        writeProgressText();
        benchmark::DoNotOptimize(progressText[0]);
    }
    if (ProgressSummary::percent != 16) state.SkipWithError("wrong progress");
    resetProfileFile();
}
BENCHMARK(BM_ProfileLoad)
    ->Name("profile_load_and_progress")
    ->ArgName("extra_bytes")
    ->Arg(0)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);

void noFill(const Installation&, long) {}

// A new player: the record is made and its file created.
void BM_ProfileCreate(benchmark::State& state) {
    const Installation& install = installationFor("new", noFill, 0);
    enter(install);
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", "Newcomer");
    const std::string path = install.path("Data/Profils/Newcomer.bin");
    for (auto _ : state) {
        loadProfileRecord();
        writeProgressText();
        state.PauseTiming();
        std::remove(path.c_str());
        resetProfileFile();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProfileCreate)->Name("profile_create_and_progress")->Unit(benchmark::kMicrosecond);

// ---- Start Game's file work ----

void useTypicalChoices() {
    screenWidth = 1366;
    screenHeight = 768;
    computeModeSizes();
    LauncherSettings::mode = 3;
    LauncherSettings::language = 1;
    LauncherSettings::volume = 2;
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", "Bob");
}

void fillGameSettings(const Installation& install, long lines) {
    install.fillTypical();
    install.write("Data/config_game.ini", gameSettingsText(static_cast<int>(lines)));
}

// Between iterations (untimed) the files are put on disk, as a real start
// meets them; back to back, ext4 makes each truncation or replacement wait
// for the writeback that the previous iteration's close or rename started.
void BM_WriteLaunchSettings(benchmark::State& state) {
    const Installation& install = installationFor("launch", fillGameSettings, 22);
    enter(install);
    useTypicalChoices();
    FileFailure why;
    for (auto _ : state) {
        state.PauseTiming();
        install.settleOnDisk();
        state.ResumeTiming();
        if (!writeLaunchSettings(LAUNCH_SETTINGS_PATH, why))
            state.SkipWithError(why.text().c_str());
    }
}
// A fixed count: each iteration waits for the disk, untimed, so a time-based
// count would make the run last minutes.
constexpr int SETTLED_ITERATIONS = 200;

BENCHMARK(BM_WriteLaunchSettings)
    ->Name("write_launch_settings")
    ->Iterations(SETTLED_ITERATIONS)
    ->Unit(benchmark::kMicrosecond);

void BM_JoinSettings(benchmark::State& state) {
    const Installation& install = installationFor("join", fillGameSettings, state.range(0));
    enter(install);
    useTypicalChoices();
    FileFailure why;
    if (!writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) state.SkipWithError(why.text().c_str());
    for (auto _ : state) {
        state.PauseTiming();
        install.settleOnDisk();
        state.ResumeTiming();
        if (!joinSettingsFiles(launchSettingsText(), GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH, why))
            state.SkipWithError(why.text().c_str());
    }
}
BENCHMARK(BM_JoinSettings)
    ->Name("join_settings")
    ->ArgName("game_lines")
    ->Arg(22)
    ->Arg(1000)
    ->Arg(50000)  // about 800 KB, within the bound on the game's settings
    ->Iterations(SETTLED_ITERATIONS)
    ->Unit(benchmark::kMicrosecond);

// ---- targets ----

void reportGrowth(const CollectingReporter& report, const char* what, const std::string& family,
                  double n1, double n2) {
    const std::string small = family + std::to_string(static_cast<long>(n1));
    const std::string large = family + std::to_string(static_cast<long>(n2));
    reportAtMost(what, growthExponent(report.ms(small), n1, report.ms(large), n2), "k",
                 LINEAR_EXPONENT_LIMIT);
}

void printTargets(const CollectingReporter& report) {
    std::printf(
        "\nFile work against targets (k: time grows as size^k between the two largest "
        "sizes; 1 is linear):\n");
    reportAtMost("settings load, 30 lines", report.ms("settings_load/lines:30"), "ms",
                 REALISTIC_LIMIT_MS);
    reportAtMost("settings load, 100,000 lines", report.ms("settings_load/lines:100000"), "ms",
                 LARGE_LIMIT_MS);
    reportAtMost("settings load, 10 MB", report.ms("settings_load/bytes:10000000"), "ms",
                 LARGE_LIMIT_MS);
    reportGrowth(report, "settings load growth, 10,000 to 100,000 lines",
                 "settings_load/lines:", 10000, 100000);
    reportGrowth(report, "settings load growth, 1 MB to 10 MB", "settings_load/bytes:", 1000000,
                 10000000);
    reportAtMost("profile scan, 20 files", report.ms("profile_scan/files:20"), "ms",
                 REALISTIC_LIMIT_MS);
    reportAtMost("profile scan, 10,000 files", report.ms("profile_scan/files:10000"), "ms",
                 LARGE_LIMIT_MS);
    reportGrowth(report, "profile scan growth, 1,000 to 10,000 files", "profile_scan/files:", 1000,
                 10000);
}

}  // namespace

int main(int argc, char** argv) {
    // As the launcher's main: console output is line-buffered.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    try {
        CollectingReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        printTargets(reporter);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "file_work_bench: %s\n", error.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
