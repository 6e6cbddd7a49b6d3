// plonk-assets FOLDER: writes every picture, sound, the zone map and the flight
// table into FOLDER.
// Exits with status 1 when any file cannot be written.
#include <cstdio>
#include <filesystem>
#include <string>

#include "asset_generator/art.h"
#include "asset_generator/assets.h"
#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"

int main(int argc, char** argv) {
    using namespace plonk::assets;
    if (argc != 2) {
        std::fprintf(stderr, "usage: plonk-assets FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    // The machine's own tables: control places and the odds.
    plonk::Headless_Toolkit toolkit;
    plonk::Hoofdvenster machine(toolkit, "");
    machine.Init_Punten();

    bool ok = true;
    ok &= Write_Screen(folder, machine);
    ok &= Write_Zone_Map(In_Folder(folder, "Veld.bmp"));
    ok &= Write_Sounds(folder);
    ok &= Write_Counter_Pictures(folder, machine);
    ok &= Write_Lamp_Pictures(folder);
    ok &= Write_Button_Faces(folder);
    ok &= Write_Indicator_Pictures(folder);
    ok &= Write_Icons(folder);
    ok &= Write_Flight_Table(folder, machine);
    if (!ok) std::fprintf(stderr, "plonk-assets: not every file could be written into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
