// Many shots at once, to see where balls go: the quality of the zone map in numbers.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "playfield/playfield_part.h"

namespace plonk {

struct Hole_Survey {
    std::array<long, 26> Holes{};  // balls ending in hole 1..25 (index 0 unused)
    long Drained = 0;
    long Lost = 0;        // balls that left the field or ran past the step limit
    long long Steps = 0;  // flight steps of all balls together
    long Max_Steps = 0;
    long Max_Stall = 0;  // the most steps a ball that ended went without progress
    long Balls() const;
};

// Puts the playfield's own zone map and tables into the machine, as start-up would
// from the files made from them.
void Load_Board(Playfield_Part& m);

// Shoots `balls` balls from a fixed seed, the start speed going round 38..100, the
// holes in `taken` taken and every other hole free, and counts where they end. A ball
// dropping into a hole does not take it. The machine's tables must be loaded.
Hole_Survey Survey_Holes(Playfield_Part& m, long balls, uint64_t seed, std::span<const int> taken = {});

// The survey as a table: per hole the balls and their share, then the drain, the
// lost balls and the mean and largest steps per ball.
std::string Hole_Table(const Hole_Survey& s);

}  // namespace plonk
