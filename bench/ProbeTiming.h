#pragma once

// Clocks and the median the whole-game probes measure with.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace ProbeTiming {

using SteadyClock = std::chrono::steady_clock;

inline double millisecondsBetween(SteadyClock::time_point from, SteadyClock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// CPU time of the calling thread: the game runs on one thread.
inline double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1.0e6;
}

inline double median(std::vector<double> values)
{
    if (values.empty()) return 0.0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace ProbeTiming
