// PNG pictures with an alpha channel, written with zlib: the game's icon.
#pragma once

#include <string>

#include "asset_generator/canvas.h"

namespace plonk::assets {

// An 8-bit RGBA PNG of the picture; false, with the reason on standard error, when
// it cannot be written.
bool Save_Png(const Canvas& picture, const std::string& path);

}  // namespace plonk::assets
