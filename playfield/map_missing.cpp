#include "playfield/map_missing.h"

namespace plonk {

void Tell_Map_Missing(Playfield_Part& m) {
    m.Report({.Kind = Game_Event_Kind::Map_Missing});
    if (m.Map_Missing_Told) return;
    m.Map_Missing_Told = true;
    m.Tk.Dialogs.Message(
        "The playfield map '" + m.App_Folder +
            "Veld.bmp' is missing or damaged: balls cannot land. The game can be closed between shots.",
        "Plonk for Windows");
}

}  // namespace plonk
