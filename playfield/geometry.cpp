// Playfield geometry: the zone map, the holes, the pin and spring tables.
#include <algorithm>
#include <array>
#include <cstring>

#include "app/file_read.h"
#include "playfield/board_layout.h"
#include "playfield/playfield_part.h"

namespace plonk {

namespace {

// The two pixels of a byte of the map, the high nibble first.
constexpr auto Nibbles = [] {
    std::array<std::array<Byte, 2>, 256> pixels{};
    for (int b = 0; b < 256; ++b)
        pixels[static_cast<size_t>(b)] = {static_cast<Byte>(b >> 4), static_cast<Byte>(b & 15)};
    return pixels;
}();

}  // namespace

void Playfield_Part::Init_Veld() {
    // 1. Read the map: only its headers and pixels, and only from a regular file. A
    //    map that cannot be read (missing, a folder, a FIFO, a device) leaves the
    //    zones as they are.
    constexpr size_t pixels_at = 118, row_bytes = 160, pairs = row_bytes / 2;
    static_assert(4 * pairs == board::Field_Width);
    const File_Bytes map = Read_Head(App_Folder + "Veld.bmp", pixels_at + row_bytes * board::Field_Height);
    Map_Missing =
        map.Status != Read_Status::Read || map.Bytes.size() < pixels_at + row_bytes * board::Field_Height;
    if (map.Status != Read_Status::Read) return;
    const std::string& file = map.Bytes;
    // 2..3. Two bytes at a time, four pixels: stored row r is map row 479 - r, the
    // left pixel of each byte in its high nibble. A short file ends the loading at
    // the first pair it no longer holds.
    // (The row is written through a pointer: its bounds are those of the loops.)
    const size_t held = file.size() > pixels_at ? (file.size() - pixels_at) / 2 : 0;  // whole pairs
    for (int r = 0; r < board::Field_Height; ++r) {
        const size_t first = pairs * static_cast<size_t>(r);
        if (first >= held) return;
        const size_t n = std::min(pairs, held - first);
        const auto* in = reinterpret_cast<const unsigned char*>(file.data()) + pixels_at + 2 * first;
        Byte* pixel = &Zone_Map(0, board::Field_Height - 1 - r);
        for (size_t b = 0; b < 2 * n; ++b) std::memcpy(pixel + 2 * b, Nibbles[in[b]].data(), 2);
    }
}

void Playfield_Part::Init_Hole_XY() {
    for (int n = 1; n <= board::Hole_Count; ++n) {
        Hole_X(n) = To_Integer(board::Hole_Corner[n - 1].X);
        Hole_Y(n) = To_Integer(board::Hole_Corner[n - 1].Y);
    }
}

void Playfield_Part::Init_Tap_XY() {
    for (auto& a : Pin_Angle.v) a = 0;
    for (const auto& e : board::Pin_Ring) Pin_Angle(e.I, e.J) = e.Angle;
}

void Playfield_Part::Init_Veer_XY() {
    for (auto& a : Left_Spring_Angle.v) a = 0;
    for (auto& a : Right_Spring_Angle.v) a = 0;
    for (const auto& e : board::Left_Spring_Ring) Left_Spring_Angle(e.I, e.J) = e.Angle;
    for (const auto& e : board::Right_Spring_Ring) Right_Spring_Angle(e.I, e.J) = e.Angle;
}

void Playfield_Part::Init_Holes() {
    for (auto& s : Hole_State) s = 0;
}

}  // namespace plonk
