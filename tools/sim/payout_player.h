// The player of the payout analysis: one whole game at a time, by the policy.
#pragma once

#include <cstdint>

#include "app/game_events.h"
#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "playfield/shot_odds.h"
#include "tools/sim/payout.h"

namespace plonk::sim {

// The random seed of game `game` of a run from `seed`.
uint64_t Game_Seed(uint64_t seed, long game);

// A game whose balls never come to rest.
struct Endless_Game {
    long Game = 0;
};

// What a feature draw gave, as the machine tells it.
Gift Gift_Of(const Game_Event& e);

// A silent headless toolkit that counts what the machine tells of the game being
// played into its record: the feature draws, the extra-ball requests and a won star
// game at its start.
class Player_Toolkit : public Headless_Toolkit {
public:
    Game_Record* Record = nullptr;
    Shot_Odds_Memo* Odds_Memo = nullptr;  // the chances of the shots, kept by the thread
    void Report(const Game_Event& e) override;
};

// Readies a started machine for the policy: the tips and the automatic scan.
void Take_Seat(Hoofdvenster& m, const Payout_Options& o);

// Plays game `game` of the run on the machine, whose toolkit is `tk`, by the policy,
// from the start press to the scan after its last ball, and tells what it cost, paid
// and drew.
Game_Record Play_Game(Hoofdvenster& m, Player_Toolkit& tk, const Payout_Options& o, long game);

}  // namespace plonk::sim
