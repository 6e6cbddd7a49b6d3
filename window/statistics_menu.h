// The player's statistics in the game's frame: a keeper that hears every report of
// the machine and keeps the statistics file beside the settings file, and the
// "&Statistics" item of the Game menu (Ctrl+T) that opens their window.
#pragma once

#include <string>

namespace plonk {

class Game_Frame;

// `settings_path` is the settings file; an empty one keeps the statistics for this
// session only.
void Add_Statistics(Game_Frame& frame, const std::string& settings_path);

}  // namespace plonk
