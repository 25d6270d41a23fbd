#pragma once
// Wall-clock timing for the benchmarks: the machines are noisy, so every figure is a median
// of several repetitions, taken in the same run as the figure it is compared with.
#include <windows.h>
#include <algorithm>
#include <vector>

namespace bench {

// Average time of one call in microseconds, over `calls` calls in a row.
template <typename Call>
double Microseconds(Call call, int calls = 1)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i)
        call();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart) / calls;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
