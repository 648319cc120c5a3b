#include "Timing.h"
#include <algorithm>

namespace {

double TicksPerMicrosecond() {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
}

}  // namespace

void Stopwatch::Start() { ::QueryPerformanceCounter(&m_start); }

void Stopwatch::Stop() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    static const double ticksPerMicrosecond = TicksPerMicrosecond();
    m_total += static_cast<double>(now.QuadPart - m_start.QuadPart) / ticksPerMicrosecond;
}

double Median(std::vector<double>& samples) {
    if (samples.empty()) return 0;
    const size_t middle = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + middle, samples.end());
    if (samples.size() % 2) return samples[middle];
    const double below = *std::max_element(samples.begin(), samples.begin() + middle);
    return (below + samples[middle]) / 2;
}

double MedianOf(int count, const std::function<void(Stopwatch&)>& run) {
    std::vector<double> samples;
    for (int i = -count / 10; i < count; ++i) {
        Stopwatch watch;
        run(watch);
        if (i >= 0) samples.push_back(watch.Microseconds());
    }
    return Median(samples);
}
