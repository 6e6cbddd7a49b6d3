// A board without its playfield map ("Veld.bmp" missing or damaged): no ball can
// land on it, so a shot is refused with a word to the player instead of a ball that
// drains for ever.
#pragma once

#include "playfield/playfield_part.h"

namespace plonk {

// The shot is not played: the event tells the status line every time, the message
// box the first time.
void Tell_Map_Missing(Playfield_Part& m);

}  // namespace plonk
