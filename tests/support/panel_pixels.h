// The game screen as pixels: the background picture read from its BMP file, and the
// lines drawn on the screen and on its child pictures rendered over it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/controls.h"

namespace plonk::test {

struct Pixels {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Rgb;  // row by row from the top, 0xRRGGBB
    uint32_t At(int x, int y) const { return Rgb[static_cast<size_t>(y) * Width + x]; }
    void Set(int x, int y, uint32_t c) {
        if (x >= 0 && y >= 0 && x < Width && y < Height) Rgb[static_cast<size_t>(y) * Width + x] = c;
    }
};

// Read an uncompressed 4-, 8- or 24-bit BMP; empty pixels when it cannot be read.
Pixels Read_Bmp(const std::string& path);

// Render a control's lines onto the pixels, its origin at (left, top), clipped to
// the control's own width and height when they are given.
void Render_Lines(Pixels& p, const Control& c, int left, int top, int width = 0, int height = 0);

}  // namespace plonk::test
