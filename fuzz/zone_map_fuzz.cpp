// The zone map loader on any file, and balls shot over whatever map it made. The map
// holds the file's nibbles where the file has them and is untouched elsewhere; no
// map makes a flight crash or run for ever.
// Input: byte 0 picks what "Veld.bmp" is (a file, the file grown to 200 MB, a folder,
// a FIFO, a link to /dev/zero) and the start speeds; the rest is the file.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "fuzz/fuzz_support.h"

namespace {

using namespace plonk;
using plonk::fuzz::Check;

enum Form { Plain, Grown, Folder, Fifo, Zero, Forms };

constexpr Byte Untouched = 0xAA;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const Form form = static_cast<Form>(data[0] % Forms);
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    // 1. "Veld.bmp" in its form, in a folder of its own.
    const std::string folder = plonk::fuzz::Fresh("map"), map = folder + "/Veld.bmp";
    std::filesystem::create_directory(folder);
    if (form == Plain || form == Grown) std::ofstream(map, std::ios::binary) << bytes;
    if (form == Grown) Check(::truncate(map.c_str(), 200 << 20) == 0, "the file grows");
    if (form == Folder) std::filesystem::create_directory(map);
    if (form == Fifo) ::mkfifo(map.c_str(), 0644);
    if (form == Zero) std::filesystem::create_symlink("/dev/zero", map);

    // 2. Load it over a map of a code no file gives.
    plonk::fuzz::Fuzz_Machine run(plonk::fuzz::Fresh("Plonk.ini"), 20000, 30000);
    Hoofdvenster& h = run.M;
    h.App_Folder = folder + "/";
    for (Byte& z : h.Zone_Map.v) z = Untouched;
    h.Init_Veld();
    std::string file = form == Plain || form == Grown ? bytes : "";
    if (form == Grown) file.resize(118 + 160 * 480, '\0');
    for (int r = 0; r < 480; ++r)
        for (int x = 0; x < 320; ++x) {
            const size_t pair = 118 + 160 * r + 2 * (x / 4);
            const size_t at = pair + (x % 4) / 2;
            const int code = pair + 1 < file.size() ? (x % 2 == 0 ? static_cast<uint8_t>(file[at]) >> 4
                                                                  : static_cast<uint8_t>(file[at]) & 15)
                                                    : Untouched;
            Check(h.Zone_Map(x, 479 - r) == code, "map pixel as the file gives it");
        }

    // 3. Shoot the balls of a game over it.
    for (Byte& z : h.Zone_Map.v) z = z == Untouched ? 0 : z;
    h.Init_Hole_XY();
    h.Init_Tap_XY();
    h.Init_Veer_XY();
    h.Init_Lites();
    h.Init_Punten();
    h.Reset_Game();
    h.Check2.Value = 0;  // no automatic scan: the card is not what is tried here
    h.Check1.Value = 0;
    h.Game_Over = false;
    h.Invest_Open = true;
    h.Balls_In_Game = 5;
    h.Yellow_Level = h.Red_Level = h.White_Level = h.Green_Level = 1;
    try {
        for (int shot = 0; shot < 3 && h.Balls_Played < h.Balls_In_Game; ++shot) {
            h.Start_Speed = static_cast<Integer>(30 + (data[0] / Forms + 23 * shot) % 70);
            h.Knop_Bal_Click();
        }
    } catch (const plonk::fuzz::Over_Budget&) {
    }
    return 0;
}
