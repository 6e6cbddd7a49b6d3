// Whole games without waits, for a signature of the machine's behaviour and its
// speed; and a survey of where balls end.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "playfield/flight_table.h"

namespace plonk::sim {

// The table of every flight on the board of the started machine `m`: read from the
// program folder, or made anew (on two threads, saying so on standard error) when
// the file there is missing, damaged or made for another board.
std::unique_ptr<Flight_Table> Flight_Table_Of(const Playfield_Part& m);

// Plays `games` games on each of `machines` machines seeded 1..machines; prints the
// signature, the counts and the speed. Returns the exit status.
int Bench(int machines, int games);

// Shoots `balls` balls from `seed`, the holes in `taken` taken, the space bar changing
// state at every flight step with chance `kick`, and prints where they end.
int Holes(long balls, uint64_t seed, std::span<const int> taken = {}, double kick = 0);

}  // namespace plonk::sim
