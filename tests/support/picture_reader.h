// Reading the generated pictures back for tests: BMP (4-bit with a palette, or
// 24-bit) by hand, GIF through giflib.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plonk::test {

struct Picture {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;  // 0xAARRGGBB, row by row from the top; alpha 0 = transparent

    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    uint32_t Rgb(int x, int y) const { return At(x, y) & 0xFFFFFFu; }
    bool Clear(int x, int y) const { return (At(x, y) >> 24) == 0; }
};

// The whole file, empty when it cannot be read.
std::vector<unsigned char> Read_Bytes(const std::string& path);

// Both answer false, with the reason in `error`, for a file they cannot read.
bool Read_Bmp(const std::string& path, Picture& picture, std::string& error);
bool Read_Gif(const std::string& path, Picture& picture, std::string& error);
// By the file name's extension.
bool Read_Picture(const std::string& path, Picture& picture, std::string& error);

// Perceived brightness 0..255 of a colour, and the mean over the opaque pixels.
double Brightness(uint32_t rgb);
double Mean_Brightness(const Picture& picture);

}  // namespace plonk::test
