// How the game's frame behaves on the desktop: the game's icon, the View menu's
// zoom (1x, 2x, 3x, remembered), and the window's place, remembered when the game
// ends and restored at the next start.
#pragma once

#include <string>

namespace plonk {

class Game_Frame;

// The zoom and the place the frame was left with, before it is first shown;
// `settings_path` is the settings file that keeps them.
void Show_Kept_View(Game_Frame& frame, const std::string& settings_path);
// The icon and the zoom's menu items.
void Add_Desktop_Manners(Game_Frame& frame, const std::string& settings_path);
// Once the game has started, its place is kept when it ends.
void Keep_Place_At_End(Game_Frame& frame, const std::string& settings_path);

}  // namespace plonk
