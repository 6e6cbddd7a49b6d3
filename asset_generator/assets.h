// The asset generator's parts: each writes its own files into the program folder.
#pragma once

#include <string>

#include "asset_generator/canvas.h"

namespace plonk::assets {

// Paints the playfield half (x 0..319) of the 640 x 480 game-screen background, in
// the 16 classic colours only.
void Draw_Playfield_Half(Canvas& scherm);

// Writes the zone map "Veld.bmp" to `path`; false when it cannot be written.
bool Write_Zone_Map(const std::string& path);

// Writes the twelve wave files into `folder`; false when one cannot be written.
bool Write_Sounds(const std::string& folder);

}  // namespace plonk::assets
