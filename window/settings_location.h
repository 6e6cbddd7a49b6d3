// Where "Plonk.ini" lives: the user's configuration folder, in a folder "plonk".
#pragma once

#include <string>

namespace plonk {

// The folder that holds the "plonk" folder, by the XDG base-directory rules:
// `xdg_config_home` when it is an absolute path, else ".config" in the home folder,
// which is `home` when it is set and not empty, else the user's home from the user
// database. Names are used byte for byte, whatever their encoding. Null arguments
// stand for unset variables.
std::string Config_Folder(const char* xdg_config_home, const char* home);

// The full path of "Plonk.ini" from this process's environment; its folder is made
// when it is missing, and temporary copies of the file that an earlier run left
// there are removed.
std::string Settings_File_Path();

}  // namespace plonk
