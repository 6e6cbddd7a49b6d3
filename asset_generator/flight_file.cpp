#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#include "asset_generator/art.h"
#include "asset_generator/assets.h"
#include "playfield/flight_table.h"
#include "playfield/hole_survey.h"

namespace plonk::assets {

bool Write_Flight_Table(const std::string& folder, Playfield_Part& machine) {
    // Every flight of the board the zone map draws, flown on every core.
    Load_Board(machine);
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::string bytes = Flight_Table::Make(machine, threads)->File_Bytes();
    // Written beside its place and put there whole, so that a reader never finds half
    // a table.
    const std::string path = In_Folder(folder, Flight_Table_File);
    const std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    return !ec;
}

}  // namespace plonk::assets
