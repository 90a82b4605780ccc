// Google Benchmark's console report, keeping each benchmark's time so that
// the program can print it against its target afterwards.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <map>
#include <string>

class CollectingReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved report stays plain text.
    CollectingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median) continue;
            const double ms =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
            // With repetitions the median stands for the benchmark.
            const std::string name = plainName(run.run_name.str());
            if (median || !medians_.count(name)) {
                milliseconds_[name] = ms;
                for (const auto& counter : run.counters)
                    counters_[name][counter.first] = counter.second;
            }
            if (median) medians_[name] = true;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Names are as printed without the run parts, e.g. "settings_load/lines:30".
    // Real time per iteration of `name` in milliseconds; NaN when it did not run.
    double ms(const std::string& name) const {
        auto found = milliseconds_.find(name);
        return found == milliseconds_.end() ? std::nan("") : found->second;
    }

    // The value of the user counter `counter` of `name`; NaN when absent.
    double counter(const std::string& name, const std::string& counter) const {
        auto found = counters_.find(name);
        if (found == counters_.end() || !found->second.count(counter)) return std::nan("");
        return found->second.at(counter);
    }

private:
    // The name without the parts that only say how it was run
    // ("iterations:100", "manual_time", "real_time"), e.g. "join_settings/game_lines:22".
    static std::string plainName(const std::string& full) {
        std::string plain;
        size_t start = 0;
        while (start <= full.size()) {
            size_t end = full.find('/', start);
            if (end == std::string::npos) end = full.size();
            const std::string part = full.substr(start, end - start);
            if (part.rfind("iterations:", 0) != 0 && part != "manual_time" && part != "real_time")
                plain += (plain.empty() ? "" : "/") + part;
            start = end + 1;
        }
        return plain;
    }

    std::map<std::string, double> milliseconds_;
    std::map<std::string, std::map<std::string, double>> counters_;
    std::map<std::string, bool> medians_;
};
