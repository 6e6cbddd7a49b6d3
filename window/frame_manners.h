// How the game's frame behaves on the desktop: the game's icon; the View menu's
// zooms that fit the screen (1x, 2x, 3x, remembered) and Full Screen; and the
// window's place, kept by the regular close and restored at the next start.
#pragma once

#include <string>

namespace plonk {

class Game_Frame;

// Fit the frame out before it is first shown; `settings_path` is the settings file
// that keeps the zoom and the place.
void Add_Desktop_Manners(Game_Frame& frame, const std::string& settings_path);

}  // namespace plonk
