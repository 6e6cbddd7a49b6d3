// Where the game's pictures, sounds and zone map are: beside the program when it runs
// from its build folder, else in the data folder it was installed with.
#pragma once

#include <string>

namespace plonk {

// The data folder as seen from the installed program's folder ("../share/plonk"),
// and the folder of its modules ("../lib/plonk").
extern const char* const kInstalled_Data_Folder;
extern const char* const kInstalled_Module_Folder;

// The folder to load the game's files from, for a program in `program_folder`: that
// folder itself when the zone map "Veld.bmp" lies in it, else the installed data
// folder when the zone map lies there, else the program folder (whose missing
// pictures are then told by name).
std::string Data_Folder(const std::string& program_folder);

}  // namespace plonk
