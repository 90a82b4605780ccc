// Start-up benchmark: the launcher against the baseline window program, run
// interleaved in pairs (launcher first in even pairs, baseline first in odd
// ones) in the same installation and locale, each timed from spawn until its
// window is mapped and drawn, with its peak resident memory and CPU time.
//
//   startup_bench --launcher PATH --baseline PATH [--pairs 100] [--warmup 2]
//                 [--settle-ms 300] [--locale C.UTF-8] [--shots DIR] [--scale F]
//
// With --scale F the launcher runs at the factor F (GAMELAUNCHER_SCALE) and
// the launcher itself at 1 takes the baseline's place; the target is then the
// extra time to a drawn window.
//
// Needs an X server in $DISPLAY with the DAMAGE extension (Xvfb has it).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "installation.h"
#include "stats.h"
#include "targets.h"
#include "window_watch.h"

namespace {

const char* const TITLE = "Tarvelline (v1.0 Sept09)";
constexpr double MAX_TIME_RATIO = 1.05;
constexpr long MAX_EXTRA_KIB = 256;
constexpr double MAX_SCALED_EXTRA_MS = 5;

struct Options {
    std::string launcher;
    std::string baseline;
    int pairs = 100;
    int warmup = 2;
    int settleMs = 300;
    int timeoutMs = 10000;
    std::string locale = "C.UTF-8";
    std::string shots;
    std::string scale;  // empty: against the baseline program
};

[[noreturn]] void usage(const char* message) {
    std::fprintf(stderr, "startup_bench: %s\n", message);
    std::fprintf(stderr,
                 "usage: startup_bench --launcher PATH --baseline PATH [--pairs N] [--warmup N]\n"
                 "                     [--settle-ms MS] [--locale L] [--shots DIR] [--scale F]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string flag = argv[i];
        if (i + 1 >= argc) usage(("missing value after " + flag).c_str());
        std::string value = argv[++i];
        if (flag == "--launcher")
            options.launcher = value;
        else if (flag == "--baseline")
            options.baseline = value;
        else if (flag == "--pairs")
            options.pairs = std::atoi(value.c_str());
        else if (flag == "--warmup")
            options.warmup = std::atoi(value.c_str());
        else if (flag == "--settle-ms")
            options.settleMs = std::atoi(value.c_str());
        else if (flag == "--locale")
            options.locale = value;
        else if (flag == "--shots")
            options.shots = value;
        else if (flag == "--scale")
            options.scale = value;
        else
            usage(("unknown option " + flag).c_str());
    }
    if (!options.scale.empty()) options.baseline = options.launcher;
    if (options.launcher.empty() || options.baseline.empty()) usage("both programs are needed");
    // The programs run in the installation directory: make their paths absolute.
    for (std::string* program : {&options.launcher, &options.baseline}) {
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::canonical(*program, error);
        if (error) usage(("no such program: " + *program).c_str());
        *program = absolute.string();
    }
    if (options.pairs < 1) usage("--pairs must be at least 1");
    return options;
}

void savePicture(const std::string& file, const WindowRun& run) {
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << run.width << " " << run.height << "\n255\n";
    for (uint32_t pixel : run.finalPixels) {
        const char rgb[3] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8),
                             static_cast<char>(pixel)};
        out.write(rgb, 3);
    }
}

long differingPixels(const WindowRun& a, const WindowRun& b) {
    if (a.finalPixels.size() != b.finalPixels.size()) return -1;
    long count = 0;
    for (size_t i = 0; i < a.finalPixels.size(); ++i) count += a.finalPixels[i] != b.finalPixels[i];
    return count;
}

// Runs `program` at the factor `scale` (null: the desktop's, 1 on the
// benchmark's display).
WindowRun measure(WindowWatch& watch, const std::string& program, const Installation& install,
                  const Options& options, const char* scale = nullptr) {
    if (scale) {
        setenv("GAMELAUNCHER_SCALE", scale, 1);
    } else {
        unsetenv("GAMELAUNCHER_SCALE");
    }
    WindowRun run = watch.run(program, install.root(), TITLE, options.settleMs, options.timeoutMs);
    if (!run.ok) throw std::runtime_error(program + ": " + run.error);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    // Both programs run in the same locale, whatever the caller's is.
    setenv("LC_ALL", options.locale.c_str(), 1);
    const char* scale = options.scale.empty() ? nullptr : options.scale.c_str();
    if (scale) std::printf("The launcher at the factor %s; as baseline, itself at 1.\n", scale);
    try {
        WindowWatch watch;
        Installation install;
        install.fillTypical();
        auto runLauncher = [&] {
            return measure(watch, options.launcher, install, options, scale);
        };
        auto runBaseline = [&] { return measure(watch, options.baseline, install, options); };

        for (int i = 0; i < options.warmup; ++i) {
            runLauncher();
            runBaseline();
        }

        std::vector<double> launcherMs, baselineMs, ratios, extraMs, launcherMapMs, baselineMapMs;
        std::vector<double> launcherKiB, baselineKiB, launcherCpu, baselineCpu, cpuRatios;
        WindowRun firstLauncher, firstBaseline;
        std::printf(
            "pair  launcher: map  drawn  VmHWM   cpu | baseline: map  drawn  VmHWM   cpu | "
            "ratio\n");
        for (int pair = 0; pair < options.pairs; ++pair) {
            // Every other pair runs the baseline first, so that whatever the
            // previous run leaves behind (X server clean-up, caches) weighs
            // on both programs alike.
            WindowRun launcher, baseline;
            if (pair % 2 == 0) {
                launcher = runLauncher();
                baseline = runBaseline();
            } else {
                baseline = runBaseline();
                launcher = runLauncher();
            }
            std::printf("%4d  %13.1f %6.1f %6ld %5.1f | %13.1f %6.1f %6ld %5.1f | %5.3f\n",
                        pair + 1, launcher.mapMs, launcher.drawnMs, launcher.peakKiB,
                        launcher.cpuMs, baseline.mapMs, baseline.drawnMs, baseline.peakKiB,
                        baseline.cpuMs, launcher.drawnMs / baseline.drawnMs);
            launcherMs.push_back(launcher.drawnMs);
            baselineMs.push_back(baseline.drawnMs);
            ratios.push_back(launcher.drawnMs / baseline.drawnMs);
            extraMs.push_back(launcher.drawnMs - baseline.drawnMs);
            launcherMapMs.push_back(launcher.mapMs);
            baselineMapMs.push_back(baseline.mapMs);
            launcherKiB.push_back(static_cast<double>(launcher.peakKiB));
            baselineKiB.push_back(static_cast<double>(baseline.peakKiB));
            launcherCpu.push_back(launcher.cpuMs);
            cpuRatios.push_back(launcher.cpuMs / baseline.cpuMs);
            baselineCpu.push_back(baseline.cpuMs);
            if (pair == 0) {
                firstLauncher = std::move(launcher);
                firstBaseline = std::move(baseline);
            }
        }

        std::printf("\nStart-up, %d interleaved pairs, LC_ALL=%s, medians:\n", options.pairs,
                    options.locale.c_str());
        std::printf("  %-28s %10s %10s\n", "", "launcher", "baseline");
        std::printf("  %-28s %10.2f %10.2f\n", "window mapped (ms)", median(launcherMapMs),
                    median(baselineMapMs));
        std::printf("  %-28s %10.2f %10.2f\n", "window drawn (ms)", median(launcherMs),
                    median(baselineMs));
        std::printf("  %-28s %10.0f %10.0f\n", "peak RSS, VmHWM (KiB)", median(launcherKiB),
                    median(baselineKiB));
        std::printf("  %-28s %10.2f %10.2f\n", "CPU time, whole life (ms)", median(launcherCpu),
                    median(baselineCpu));
        std::printf("  ratio of medians (drawn)     %10.3f\n",
                    median(launcherMs) / median(baselineMs));
        // CPU time hardly depends on other load on the machine, unlike the
        // wall time: a cross-check of the time ratio on a busy machine.
        std::printf("  median of paired CPU-time ratios %6.3f\n", median(cpuRatios));
        const long differing = scale ? 0 : differingPixels(firstLauncher, firstBaseline);
        std::printf("  pixels differing between the two windows: %ld of %zu\n", differing,
                    firstLauncher.finalPixels.size());
        if (differing != 0)
            std::printf(
                "  warning: the baseline no longer draws the launcher's window; compare the "
                "pictures (--shots DIR) and bring bench/startup/baseline_window.cpp up to "
                "date\n");
        if (!options.shots.empty()) {
            savePicture(options.shots + "/launcher.ppm", firstLauncher);
            savePicture(options.shots + "/baseline.ppm", firstBaseline);
        }

        std::printf("\n");
        if (scale) {
            reportAtMost("time to window at the factor above at 1, median of paired differences",
                         median(extraMs), "ms", MAX_SCALED_EXTRA_MS);
            return 0;
        }
        const double ratio = median(ratios);
        reportTarget("time to window / baseline's, median of paired ratios", ratio, "x", "at most",
                     MAX_TIME_RATIO, ratio <= MAX_TIME_RATIO);
        const double extraKiB = median(launcherKiB) - median(baselineKiB);
        reportTarget("peak memory (VmHWM) above baseline's, medians", extraKiB, "KiB", "at most",
                     MAX_EXTRA_KIB, extraKiB <= MAX_EXTRA_KIB);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
