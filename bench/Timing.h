// Wall-clock timing with the performance counter, and the median of repeated runs.
#pragma once
#include <windows.h>
#include <functional>
#include <vector>

// Adds up the microseconds between each Start and the Stop after it.
class Stopwatch {
public:
    void Start();
    void Stop();
    double Microseconds() const { return m_total; }

private:
    LARGE_INTEGER m_start = {};
    double m_total = 0;
};

// The median of a set of samples (the set is reordered).
double Median(std::vector<double>& samples);

// Runs `run` count times and gives the median of what each run measured with the stopwatch it
// was handed. Every measurement starts with a tenth as many runs that are not counted: they
// fill caches and let Wine load what it loads lazily.
double MedianOf(int count, const std::function<void(Stopwatch&)>& run);
