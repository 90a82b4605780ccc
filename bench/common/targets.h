// One line per figure that has a target, in one format for every benchmark
// program, so that bench/run.sh can list the misses at the end.
#pragma once

#include <cstdio>

// Prints "target  <what>: <value> <unit> (<relation> <limit> <unit>)  met" or
// "... MISSED".
inline void reportTarget(const char* what, double value, const char* unit, const char* relation,
                         double limit, bool met) {
    std::printf("target  %-52s %10.3f %-4s (%s %g %s)  %s\n", what, value, unit, relation, limit,
                unit, met ? "met" : "MISSED");
    std::fflush(stdout);
}
