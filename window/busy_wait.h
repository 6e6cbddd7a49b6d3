// The ball's step wait: a busy wait that neither sleeps nor handles window events.
#pragma once

#include <cstdint>

namespace plonk {

// One counting iteration of the flight's wait lasts this long. A step in the open at
// ball speed 50 counts 160 * 50 = 8000 iterations per round, which makes a round half
// a millisecond; every other step keeps its ratio of iterations to that. A typical
// ball of some 3,700 steps then flies for about two and a half seconds at speed 50
// and offset 1, painting included (plonk_window_bench, Flight_Of_A_Typical_Ball).
inline constexpr double kNanoseconds_Per_Iteration = 62.5;

// How long `rounds` rounds of `iterations` iterations last; nothing for 0 or less.
int64_t Busy_Wait_Nanoseconds(int rounds, long iterations);

// Spin on the steady clock for that long.
void Busy_Wait(int rounds, long iterations);

}  // namespace plonk
