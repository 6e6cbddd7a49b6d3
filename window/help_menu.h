// The Help menu: How to play, Keys and About Plonk.
#pragma once

class QMenu;

namespace plonk {

class Main_Window;

// Fills `menu`. No item takes a shortcut: the usual one, F1, is the game's own key.
void Fill_Help_Menu(QMenu* menu, Main_Window& face);

}  // namespace plonk
