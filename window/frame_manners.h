// How the game's frame behaves on the desktop: the game's icon; the View menu's
// zooms that fit the screen (1x, 2x, 3x, remembered) and Full Screen; and the
// window's place, kept by the regular close and restored at the next start.
#pragma once

#include <string>

namespace plonk {

class Game_Frame;

// The zoom and the place the frame was left with, before it is first shown;
// `settings_path` is the settings file that keeps them.
void Show_Kept_View(Game_Frame& frame, const std::string& settings_path);
// The icon, the View menu's items, and the zoom and place kept by a regular close.
void Add_Desktop_Manners(Game_Frame& frame, const std::string& settings_path);

}  // namespace plonk
