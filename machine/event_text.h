// What happened, in the player's words.
#pragma once

#include <string>

#include "app/game_events.h"

namespace plonk {

// The event in the status line's words ("Yellow zone, row of 4: 32 points"); empty
// for an event that has nothing to tell the player (a point spent, a count-up over).
std::string Event_Text(const Game_Event& e);

// The end of a game's balls in words, naming what the game paid (`paid`, the
// payments in words, when the caller kept them) and what the player can do next:
// collect rows the card still holds, ask for extra balls, start the next game.
std::string Game_Over_Text(const Game_Event& e, const std::string& paid = "");

}  // namespace plonk
