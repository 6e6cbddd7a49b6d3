// What happened, in the player's words.
#pragma once

#include <string>

#include "app/game_events.h"

namespace plonk {

// The event in the status line's words ("Yellow zone, row of 4: 32 points"); empty
// for an event that has nothing to tell the player (a point spent, a count-up over).
std::string Event_Text(const Game_Event& e);

}  // namespace plonk
