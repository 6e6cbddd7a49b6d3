// Where "Plonk.ini" lives: the user's configuration folder, in a folder "plonk".
#pragma once

#include <string>

namespace plonk {

// The full path of "Plonk.ini"; its folder is made when it is missing.
std::string Settings_File_Path();

}  // namespace plonk
