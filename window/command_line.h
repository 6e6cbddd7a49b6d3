// What the game answers on its command line without opening a window.
#pragma once

#include <ostream>
#include <string>

namespace plonk {

// "Plonk 1.0.0".
std::string Version_Text();

// "--help" prints the usage, "--version" the version, both to `out`. Returns the
// exit status when the command line was answered so, else -1 (the game starts).
int Answer_Command_Line(int argc, const char* const* argv, std::ostream& out);

}  // namespace plonk
