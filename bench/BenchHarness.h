#pragma once
// A tiny timing harness: QueryPerformanceCounter, several runs, minimum and median printed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// The fastest of `runs` runs of `body`, each after `before` (not timed), after one warm-up run.
template <class Before, class Body>
double Fastest(int runs, const Before& before, const Body& body)
{
    double best = 1e9;
    for (int run = 0; run <= runs; ++run) {   // run 0 warms up
        before();
        const double start = NowSeconds();
        body();
        const double seconds = NowSeconds() - start;
        if (run > 0 && seconds < best)
            best = seconds;
    }
    return best;
}

// A row callback that reads every value of a row, so a plain database read touches what a page would.
inline int TouchRow(void* argument, int columns, char** values, char**)
{
    size_t& bytes = *static_cast<size_t*>(argument);
    for (int c = 0; c < columns; ++c)
        bytes += values[c] ? std::strlen(values[c]) : 0;
    return 0;
}

} // namespace bench
