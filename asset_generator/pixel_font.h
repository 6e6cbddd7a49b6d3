// The generator's own pixel fonts, so that no text depends on the fonts of the
// machine that builds the pictures.
#pragma once

#include <string>

#include "asset_generator/canvas.h"

namespace plonk::assets {

enum class Font {
    Tiny,    // 3 x 5 pixels a character
    Normal,  // 5 x 7 pixels a character
};

struct Text_Style {
    Font Face = Font::Normal;
    bool Bold = false;  // every stroke one pixel wider to the right
    int Spacing = 1;    // blank columns between characters
    int Scale = 1;      // every font pixel drawn as a Scale x Scale square
};

// Width and height in pixels of `text` written in `style`.
int Text_Width(const std::string& text, const Text_Style& style = {});
int Text_Height(const Text_Style& style = {});

// Writes `text` with its top left at (x, y). Characters the font lacks are left blank.
void Draw_Text(Canvas& canvas, int x, int y, const std::string& text, Colour c, const Text_Style& style = {});
// Writes `text` centred on the box (x0, y0)-(x1, y1), corners included; an odd
// spare pixel goes to the right and the bottom.
void Draw_Text_Centred(Canvas& canvas, int x0, int y0, int x1, int y1, const std::string& text, Colour c,
                       const Text_Style& style = {});

}  // namespace plonk::assets
