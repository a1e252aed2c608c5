#pragma once
// The benchmarks' clock: milliseconds from the performance counter.
#include <windows.h>

namespace pvn::bench {

inline double now() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER c{};
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

} // namespace pvn::bench
