// Order statistics for the benchmark figures: median, quartiles and range of
// a handful of timings, computed the same way in every benchmark program.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace Stats {

// Quantile q in [0, 1] by linear interpolation between order statistics
// (the usual "type 7" definition); 0 for an empty sample.
inline double quantile(std::vector<double> sample, double q) {
    if (sample.empty())
        return 0;
    std::sort(sample.begin(), sample.end());
    const double position = q * double(sample.size() - 1);
    const auto below = std::size_t(std::floor(position));
    const auto above = std::min(below + 1, sample.size() - 1);
    const double fraction = position - double(below);
    return sample[below] + (sample[above] - sample[below]) * fraction;
}

struct Summary {
    double median = 0, q1 = 0, q3 = 0, min = 0, max = 0;
    std::size_t n = 0;
};

inline Summary summarise(const std::vector<double>& sample) {
    Summary s;
    s.n = sample.size();
    if (sample.empty())
        return s;
    s.median = quantile(sample, 0.5);
    s.q1 = quantile(sample, 0.25);
    s.q3 = quantile(sample, 0.75);
    s.min = *std::min_element(sample.begin(), sample.end());
    s.max = *std::max_element(sample.begin(), sample.end());
    return s;
}

} // namespace Stats
