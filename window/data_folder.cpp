#include "window/data_folder.h"

#include <filesystem>

namespace plonk {

#ifndef PLONK_DATA_FROM_BIN
#define PLONK_DATA_FROM_BIN "../share/plonk"
#endif
#ifndef PLONK_MODULE_FROM_BIN
#define PLONK_MODULE_FROM_BIN "../lib/plonk"
#endif
const char* const kInstalled_Data_Folder = PLONK_DATA_FROM_BIN;
const char* const kInstalled_Module_Folder = PLONK_MODULE_FROM_BIN;

std::string Data_Folder(const std::string& program_folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path here(program_folder);
    if (fs::is_regular_file(here / "Veld.bmp", ec)) return program_folder;
    const fs::path installed = (here / kInstalled_Data_Folder).lexically_normal();
    if (fs::is_regular_file(installed / "Veld.bmp", ec)) return installed.string();
    return program_folder;
}

}  // namespace plonk
