// The machine's one random generator: uniform numbers in [0, 1). Scripts and tests
// can fix the seed or queue the exact values of the next draws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

namespace plonk {

class Random {
public:
    // The next number in [0, 1): a queued value first, otherwise a fresh draw.
    double Rnd();
    // Reseed from the clock; once a seed has been fixed, the sequence simply goes on.
    void Randomize(uint64_t clock_seed);
    // Fix the seed: every later draw and reseed is deterministic.
    void Fix_Seed(uint64_t seed);
    // Make the next draws return exactly these values.
    void Queue(double value) { queued_.push_back(value); }
    size_t Queued() const { return queued_.size(); }

private:
    uint64_t Next64();
    uint64_t state_ = 0x853c49e6748fea9bULL;
    bool fixed_ = false;
    std::deque<double> queued_;
};

}  // namespace plonk
