// Writing pictures to disk: BMP through our own writer, GIF through giflib.
// Every writer answers false, with the reason on standard error, when the file
// cannot be written.
#pragma once

#include <string>

#include "asset_generator/canvas.h"

namespace plonk::assets {

// A 24-bit BMP; transparent pixels are written black.
bool Save_Bmp(const Canvas& picture, const std::string& path);

// A 4-bit BMP whose palette is the 16 classic colours in their own order, so a
// pixel's value is its colour number. Fails when a pixel has any other colour.
bool Save_Bmp16(const Canvas& picture, const std::string& path);

// A GIF with the picture's own colours (at most 255) and, when the picture has
// transparent pixels, a transparent palette entry.
bool Save_Gif(const Canvas& picture, const std::string& path);

}  // namespace plonk::assets
