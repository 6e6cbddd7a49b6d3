// The asset generator's parts: each writes its own files into the program folder.
#pragma once

#include <string>

#include "asset_generator/canvas.h"
#include "playfield/playfield_part.h"

namespace plonk::assets {

// Paints the playfield half (x 0..319) of the 640 x 480 game-screen background, in
// the 16 classic colours only.
void Draw_Playfield_Half(Canvas& scherm);

// Writes the zone map "Veld.bmp" to `path`; false when it cannot be written.
bool Write_Zone_Map(const std::string& path);

// Writes the table of every flight without the space bar on the board the zone map
// draws (Flights.bin), using `machine` to fly them; false when it cannot be written.
bool Write_Flight_Table(const std::string& folder, Playfield_Part& machine);

// Writes the twelve wave files into `folder`; false when one cannot be written.
bool Write_Sounds(const std::string& folder);

}  // namespace plonk::assets
