// Small statistics shared by the benchmark programs.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// Median of `values` (mean of the middle two for an even count); NaN when empty.
inline double median(std::vector<double> values) {
    if (values.empty()) return std::nan("");
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// How the time grows from input size n1 to n2: the exponent k in t ~ n^k
// (1 for linear growth).
inline double growthExponent(double t1, double n1, double t2, double n2) {
    return std::log(t2 / t1) / std::log(n2 / n1);
}
