// "&Sound", "Show &Tips" and "&Automatic Scan" as the player last left them, kept
// between runs in the options of the settings file.
#pragma once

#include "app/game_options.h"

namespace plonk {

class Main_Window;

// After the machine's start-up: each box the options name is set as it was left,
// as if ticked by the player (a greyed box, as "&Sound" without an audio device, is
// left alone); from then on every change of a box is written at once into the file
// when it is there, and every box the player can tick is written with the close. A
// value that cannot be written is left to the next change: the machine's own values,
// and the user's lines, stay as they are.
void Remember_Choices(Main_Window& w, const Game_Options& options);

}  // namespace plonk
