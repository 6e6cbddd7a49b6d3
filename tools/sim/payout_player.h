// The player of the payout analysis: one whole game at a time, by the policy.
#pragma once

#include <cstdint>

#include "app/hoofdvenster.h"
#include "tools/sim/payout.h"

namespace plonk::sim {

// The random seed of game `game` of a run from `seed`.
uint64_t Game_Seed(uint64_t seed, long game);

// A game whose balls never come to rest.
struct Endless_Game {
    long Game = 0;
};

// Readies a started machine for the policy: the tips and the automatic scan.
void Take_Seat(Hoofdvenster& m, const Payout_Options& o);

// Plays game `game` of the run on the machine by the policy, from the start press
// to the scan after its last ball, and tells what it cost and paid.
Game_Record Play_Game(Hoofdvenster& m, const Payout_Options& o, long game);

}  // namespace plonk::sim
