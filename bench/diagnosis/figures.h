// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstddef>
#include <vector>

// Timing samples of one measure, in milliseconds.
struct Figures
{
    std::vector<double> samples;
    void add(double value) { samples.push_back(value); }
    double median()
    {
        std::sort(samples.begin(), samples.end());
        return samples.empty() ? 0 : samples[samples.size() / 2];
    }
    double min() { return samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end()); }
    // The sample at that fraction of the sorted list (call median() first, which sorts).
    double at(double fraction)
    {
        return samples.empty()
            ? 0
            : samples[std::min(samples.size() - 1, std::size_t(double(samples.size()) * fraction))];
    }
};

inline double millisecondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}
