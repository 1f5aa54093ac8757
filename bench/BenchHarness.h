#pragma once
// A tiny timing harness: QueryPerformanceCounter, several runs, minimum and median printed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double NowSeconds()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

struct Result {
    double minSeconds;
    double medianSeconds;
};

// Times `body` (which performs `iterations` operations) over `runs` runs and prints the
// time per operation.
inline Result Measure(const char* name, int runs, long iterations, const std::function<void()>& body)
{
    std::vector<double> perOp;
    perOp.reserve(runs);
    body(); // warm-up
    for (int r = 0; r < runs; ++r) {
        const double start = NowSeconds();
        body();
        perOp.push_back((NowSeconds() - start) / static_cast<double>(iterations));
    }
    std::sort(perOp.begin(), perOp.end());
    const Result result{perOp.front(), perOp[perOp.size() / 2]};
    std::printf("%-48s min %12.3f us  median %12.3f us  (%d runs x %ld)\n", name, result.minSeconds * 1e6,
                result.medianSeconds * 1e6, runs, iterations);
    std::fflush(stdout);
    return result;
}

} // namespace bench
