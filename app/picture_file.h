// Whether a picture file holds all that its header promises. A picture cut short
// (a copy that stopped half-way) must not show as half a picture: it cannot be
// loaded, like a missing one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plonk {

// Why the BMP or GIF picture in the file is not whole ("the file is shorter than its
// header says"); empty when it is, and for a file this cannot tell (not there, not
// a regular file, another kind of picture), which the decoder then judges.
std::string Picture_Shortfall(const std::string& path);
// The same of a picture file's whole contents, already read.
std::string Picture_Shortfall_In(const std::string& bytes);

// Colours given numbers in the order they are first met, up to 256.
class Colour_Numbers {
public:
    explicit Colour_Numbers(std::vector<uint32_t>& colours);
    // The colour's number, added to `colours` when new; nothing once a 257th colour
    // is met.
    std::optional<uint8_t> Of(uint32_t colour);

private:
    static constexpr uint16_t kFree = 0xFFFF;
    std::vector<uint32_t>& colours_;
    std::array<uint16_t, 1024> slots_;
};

// A picture of no more than 256 colours, a byte a pixel.
struct Paletted_Picture {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Pixels;    // Width * Height, row by row from the top
    std::vector<uint32_t> Colours;  // each byte's colour, 0xAARRGGBB (alpha 0: see-through)
};

// The picture in a file's bytes when it takes one of the forms the machine's own
// pictures take: an uncompressed BMP of 4, 8 or 24 bits a pixel (of no more than 256
// colours, numbered in the order they are first met from the top row down), or a
// GIF whose first image fills its screen, with its see-through colour (alpha 0).
// Nothing for any other file, which is left to a general decoder.
std::optional<Paletted_Picture> Decode_Paletted(const std::string& bytes);

}  // namespace plonk
