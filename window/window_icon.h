// The game's icon, from the pictures the asset generator made in every size a
// desktop asks for.
#pragma once

#include <QIcon>
#include <string>

namespace plonk {

// The icon in the icon theme's folders beside the game's data: "icons/hicolor"
// inside the data folder (a build folder), or beside it (an installed game, whose
// data lies in "share/plonk" and icons in "share/icons"), in the sizes a window's own
// icon is drawn at (up to 128 pixels). Empty when neither holds it.
QIcon Game_Icon(const std::string& data_folder);

}  // namespace plonk
