// Whole games without waits, for a signature of the machine's behaviour and its
// speed; and a survey of where balls end.
#pragma once

#include <cstdint>
#include <span>

namespace plonk::sim {

// Plays `games` games on each of `machines` machines seeded 1..machines; prints the
// signature, the counts and the speed. Returns the exit status.
int Bench(int machines, int games);

// Shoots `balls` balls from `seed`, the holes in `taken` taken, the space bar changing
// state at every flight step with chance `kick`, and prints where they end.
int Holes(long balls, uint64_t seed, std::span<const int> taken = {}, double kick = 0);

}  // namespace plonk::sim
