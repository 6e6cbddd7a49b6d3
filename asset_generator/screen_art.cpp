// "Scherm.bmp": the whole 640 x 480 background of the game screen.
#include "asset_generator/art.h"
#include "asset_generator/assets.h"
#include "asset_generator/picture_files.h"

namespace plonk::assets {

bool Write_Screen(const std::string& folder, const Hoofdvenster& machine) {
    // 1. The playfield half, painted by its own painter.
    Canvas screen(640, 480, Rgb(0, 0, 0));
    Draw_Playfield_Half(screen);
    // 2. The right half: a dark blue panel edged against the playfield, the card
    //    and the indicators.
    screen.Fill_Rect(320, 0, 639, 479, Qb(qb::Navy));
    screen.VLine(320, 0, 479, Qb(qb::Grey));
    Paint_Card(screen, machine);
    Paint_Panel(screen, machine);
    // 3. Written with the 16 colours only.
    return Save_Bmp16(screen, In_Folder(folder, "Scherm.bmp"));
}

}  // namespace plonk::assets
