// Temporary files of the console: in $TMPDIR when that names an existing folder,
// else in /tmp.
#pragma once

#include <string>

namespace plonk::sim {

// The folder temporary files go in.
std::string Temp_Base();

// A new private folder there, named `prefix` and six random characters; empty, with
// the reason in `error`, when none can be made.
std::string Make_Temp_Folder(const std::string& prefix, std::string* error);

}  // namespace plonk::sim
