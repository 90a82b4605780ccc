// One line per figure that has a target, in one format for every benchmark
// program, so that bench/run.sh can list the misses at the end.
#pragma once

#include <cmath>
#include <cstdio>

// Prints "target  <what>: <value> <unit> (<relation> <limit> <unit>)  met",
// "... MISSED", or "not measured" when the value is NaN.
inline void reportTarget(const char* what, double value, const char* unit, const char* relation,
                         double limit, bool met) {
    if (std::isnan(value)) {
        std::printf("target  %-52s %10s %-4s (%s %g %s)  not measured\n", what, "-", unit, relation,
                    limit, unit);
    } else {
        std::printf("target  %-52s %10.3f %-4s (%s %g %s)  %s\n", what, value, unit, relation,
                    limit, unit, met ? "met" : "MISSED");
    }
    std::fflush(stdout);
}

// The usual case: a value that must stay at or below `limit`.
inline void reportAtMost(const char* what, double value, const char* unit, double limit) {
    reportTarget(what, value, unit, "at most", limit, value <= limit);
}
