// The zone map the board is built on: for every pixel of the ball field the zone
// code the flight reacts to. The asset generator writes it as "Veld.bmp" and paints
// the board picture from it; the tests check it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "playfield/board_layout.h"

namespace plonk::board {

// Zone codes, x + 320 * y.
class Zone_Grid {
public:
    Zone_Grid() : codes_(Field_Width * Field_Height, 0) {}
    static bool Inside(int x, int y) { return x >= 0 && x < Field_Width && y >= 0 && y < Field_Height; }
    uint8_t At(int x, int y) const { return codes_[x + Field_Width * y]; }
    void Set(int x, int y, uint8_t code) {
        if (Inside(x, y)) codes_[x + Field_Width * y] = code;
    }
    const std::vector<uint8_t>& Codes() const { return codes_; }

private:
    std::vector<uint8_t> codes_;
};

// The zone map of the board.
const Zone_Grid& Zone_Map();

// The zone map with other capture areas for the holes.
Zone_Grid Build_Zone_Map(const std::array<Hole_Zone, Hole_Count>& zones);

// What a pixel of the board belongs to: the part of the board the picture paints there.
enum class Part : uint8_t { Field, Wall, Pin, Spring };

// For every pixel, the solid part a ball's picture can never cover there, or Field.
std::vector<Part> Solid_Parts();

// Pixels a ball's centre can reach from its start (including the contact pixels).
std::vector<bool> Reachable();

}  // namespace plonk::board
