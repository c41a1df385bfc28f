// Wall-clock timing for the benchmarks.
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowSeconds()
{
    static const double kFrequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / kFrequency;
}

// Median of the samples (sorted in place).
inline double Median(std::vector<double> &samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}
