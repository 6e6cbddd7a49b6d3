#include "window/busy_wait.h"

#include <chrono>
#include <cmath>

namespace plonk {

int64_t Busy_Wait_Nanoseconds(int rounds, long iterations) {
    if (rounds <= 0 || iterations <= 0) return 0;
    return std::llround(static_cast<double>(rounds) * static_cast<double>(iterations) *
                        kNanoseconds_Per_Iteration);
}

void Busy_Wait(int rounds, long iterations) {
    // The wait is measured on the clock rather than by counting, so it lasts the same
    // on every machine whatever the compiler makes of an empty loop.
    const int64_t ns = Busy_Wait_Nanoseconds(rounds, iterations);
    if (ns == 0) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::nanoseconds(ns);
    while (std::chrono::steady_clock::now() < deadline) {
    }
}

}  // namespace plonk
