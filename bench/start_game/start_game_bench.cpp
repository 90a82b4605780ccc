// Start Game, timed in-process: the launcher is brought up as its main does
// (in a temporary installation, window shown), then handOffToGame runs again
// and again. Two moments end the time: the launcher's call that starts the
// game's process (posix_spawnp, seen through a wrapper below), which closes
// the launcher's own work, file writes included; and the moment the game
// begins to run (a tiny stand-in for 1.exe notes it). Further benchmarks time
// the steps of Start Game one by one, to show where the time goes.
//
// Needs an X server in $DISPLAY.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/forms.H>
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "collecting_reporter.h"
#include "i18n/language_tables.h"
#include "installation.h"
#include "launch/launch_settings.h"
#include "platform/platform.h"
#include "quiet_stdout.h"
#include "stats.h"
#include "targets.h"
#include "ui/game_handoff.h"
#include "ui/launcher_window.h"
#include "ui/startup.h"

// The launcher starts the game with posix_spawnp. This definition takes the
// place of the C library's in this program (the launcher's code is linked
// in statically), notes the moment of the call and passes it on unchanged.
extern "C" int posix_spawnp(pid_t* pid, const char* file, const posix_spawn_file_actions_t* actions,
                            const posix_spawnattr_t* attributes, char* const argv[],
                            char* const envp[]);

namespace {

constexpr double START_GAME_LIMIT_MS = 2.0;
// Every iteration first waits, untimed, for the window and the disk to
// settle; a fixed count keeps the run short whatever the step costs.
constexpr int ITERATIONS = 100;
const char* const STAMP_FILE = "game_started";

using Clock = std::chrono::steady_clock;

// The installation the launcher was brought up in (the working directory).
const Installation* installation = nullptr;

double nowNs() {
    return static_cast<double>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
            .count());
}

// When the launcher last asked the system to start a program.
double spawnCalledNs = std::nan("");

// When the stand-in game began, in the clock of nowNs(); NaN if it did not run.
double gameStartNs() {
    std::ifstream stamp(STAMP_FILE);
    long long ns = 0;
    return stamp >> ns ? static_cast<double>(ns) : std::nan("");
}

// The window as the player sees it before pressing Start Game again.
void restoreWindow() {
    startButton->box(FL_PLASTIC_DOWN_BOX);
    startButton->label(localisedText(TXT_START_GAME));
    Fl::redraw();
    for (int i = 0; i < 3; ++i) Fl::wait(0.002);
}

// Times `step` (which must start the stand-in game) per iteration until the
// game runs, as manual time; the medians of that time and of the part before
// the launcher's call that starts the game become counters (ms).
template <typename Step>
void timeUntilGameStarts(benchmark::State& state, const Installation& install, Step step) {
    std::vector<double> untilGame, untilSpawn;
    for (auto _ : state) {
        state.PauseTiming();
        restoreWindow();
        install.settleOnDisk();
        std::remove(STAMP_FILE);
        spawnCalledNs = std::nan("");
        state.ResumeTiming();
        const double start = nowNs();
        {
            QuietStdout quiet;
            step();
        }
        const double began = gameStartNs();
        if (std::isnan(began)) {
            state.SkipWithError("the stand-in game did not run");
            break;
        }
        untilGame.push_back((began - start) / 1e6);
        untilSpawn.push_back((spawnCalledNs - start) / 1e6);
        state.SetIterationTime((began - start) / 1e9);
    }
    state.counters["until_game_ms"] = median(untilGame);
    state.counters["own_work_ms"] = median(untilSpawn);
}

void BM_StartGamePath(benchmark::State& state) {
    timeUntilGameStarts(state, *installation, [] { handOffToGame(); });
}
BENCHMARK(BM_StartGamePath)
    ->Name("start_game_until_game_runs")
    ->UseManualTime()
    ->Iterations(ITERATIONS)
    ->Unit(benchmark::kMicrosecond);

void BM_GameProcessCreation(benchmark::State& state) {
    timeUntilGameStarts(state, *installation, [] { platform::runGameAndWait(GAME_PROGRAM); });
}
BENCHMARK(BM_GameProcessCreation)
    ->Name("game_process_creation_alone")
    ->UseManualTime()
    ->Iterations(ITERATIONS)
    ->Unit(benchmark::kMicrosecond);

// Where the time of Start Game goes: its steps one by one, timed alike.
template <typename Step>
void timeStep(benchmark::State& state, const Installation& install, Step step) {
    std::vector<double> samples;
    for (auto _ : state) {
        state.PauseTiming();
        restoreWindow();
        install.settleOnDisk();
        state.ResumeTiming();
        const double start = nowNs();
        step();
        const double end = nowNs();
        samples.push_back((end - start) / 1e6);
        state.SetIterationTime((end - start) / 1e9);
    }
    state.counters["median_ms"] = median(samples);
}

void BM_LoadingTextDrawn(benchmark::State& state) {
    timeStep(state, *installation, [] {
        startButton->box(FL_PLASTIC_UP_BOX);
        startButton->label(localisedText(TXT_LOADING));
        Fl::redraw();
        Fl::flush();
    });
}
BENCHMARK(BM_LoadingTextDrawn)
    ->Name("step_loading_text_drawn")
    ->UseManualTime()
    ->Iterations(ITERATIONS)
    ->Unit(benchmark::kMicrosecond);

void BM_WriteLaunchSettingsStep(benchmark::State& state) {
    timeStep(state, *installation, [] {
        FileFailure why;
        writeLaunchSettings(LAUNCH_SETTINGS_PATH, why);
    });
}
BENCHMARK(BM_WriteLaunchSettingsStep)
    ->Name("step_write_launch_settings")
    ->UseManualTime()
    ->Iterations(ITERATIONS)
    ->Unit(benchmark::kMicrosecond);

void BM_JoinStep(benchmark::State& state) {
    timeStep(state, *installation, [] {
        FileFailure why;
        joinSettingsFiles(launchSettingsText(), GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH, why);
    });
}
BENCHMARK(BM_JoinStep)
    ->Name("step_join_settings")
    ->UseManualTime()
    ->Iterations(ITERATIONS)
    ->Unit(benchmark::kMicrosecond);

// The launcher's start-up, up to the shown and drawn window.
void bringUpLauncher(int& argc, char** argv) {
    startLauncher(argc, argv);
    for (int i = 0; i < 20; ++i) Fl::wait(0.01);
}

}  // namespace

extern "C" int posix_spawnp(pid_t* pid, const char* file, const posix_spawn_file_actions_t* actions,
                            const posix_spawnattr_t* attributes, char* const argv[],
                            char* const envp[]) {
    spawnCalledNs = nowNs();
    using Spawn = int (*)(pid_t*, const char*, const posix_spawn_file_actions_t*,
                          const posix_spawnattr_t*, char* const[], char* const[]);
    static const Spawn real = reinterpret_cast<Spawn>(dlsym(RTLD_NEXT, "posix_spawnp"));
    return real(pid, file, actions, attributes, argv, envp);
}

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    try {
        Installation install;
        install.fillTypical();
        installation = &install;
        std::filesystem::copy_file(GAME_STAMP_PROGRAM, install.path(GAME_PROGRAM));
        if (chdir(install.root().c_str()) != 0)
            throw std::runtime_error("cannot enter " + install.root());
        {
            QuietStdout quiet;
            bringUpLauncher(argc, argv);
        }
        if (!mainWindow || !mainWindow->shown())
            throw std::runtime_error("the window did not open");

        CollectingReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);

        const std::string path = "start_game_until_game_runs";
        const double ownWork = reporter.counter(path, "own_work_ms");
        std::printf(
            "\nStart Game, medians: %.3f ms from the press until the game runs; the "
            "game's process alone takes %.3f ms from its start to running\n",
            reporter.counter(path, "until_game_ms"),
            reporter.counter("game_process_creation_alone", "until_game_ms"));
        reportAtMost("Start Game: press until the launcher starts the game", ownWork, "ms",
                     START_GAME_LIMIT_MS);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "start_game_bench: %s\n", error.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
