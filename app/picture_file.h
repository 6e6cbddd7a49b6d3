// Whether a picture file holds all that its header promises. A picture cut short
// (a copy that stopped half-way) must not show as half a picture: it cannot be
// loaded, like a missing one.
#pragma once

#include <string>

namespace plonk {

// Why the BMP or GIF picture in the file is not whole ("the file is shorter than its
// header says"); empty when it is, and for a file this cannot tell (not there, not
// a regular file, another kind of picture), which the decoder then judges.
std::string Picture_Shortfall(const std::string& path);
// The same of a picture file's whole contents, already read.
std::string Picture_Shortfall_In(const std::string& bytes);

}  // namespace plonk
