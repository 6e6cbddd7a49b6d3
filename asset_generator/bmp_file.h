// Windows bitmap files, written by our own small writer: uncompressed, bottom row
// first, each row padded to four bytes, with the classic 14-byte file header and
// 40-byte information header.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace plonk::assets {

struct Bmp_Layout {
    int Width = 0, Height = 0;
    int Dots_Per_Meter = 3780;  // 96 dots per inch
};

// A 24-bit bitmap; `rgb(x, y)` gives each pixel as 0xRRGGBB.
bool Write_Bmp24(const std::string& path, const Bmp_Layout& layout,
                 const std::function<uint32_t(int, int)>& rgb);

// A 4-bit bitmap with a palette of 16 colours (0xRRGGBB), so its pixels lie at
// offset 118; `index(x, y)` gives each pixel's palette entry 0..15.
bool Write_Bmp4(const std::string& path, const Bmp_Layout& layout, const uint32_t (&palette)[16],
                const std::function<int(int, int)>& index);

}  // namespace plonk::assets
