#pragma once

// The clock the start-up benchmark measures with. The harness takes it just
// before it spawns a program and the first-paint probe takes it inside that
// program, so both sides must read the same system-wide clock: CLOCK_MONOTONIC,
// not std::chrono::steady_clock, whose epoch the standard leaves open. Inline,
// so that the probe gets it without linking any of the harness.

#include <ctime>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds.
inline long long MonotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

} // namespace bench
