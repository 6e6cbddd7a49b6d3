// The playfield's fixed geometry: holes, pins, springs, stars, walls, the drain and
// the launch lane. The machine's tables and the generated board picture and zone map
// are all built from these values, so what the player sees and what the ball meets
// never disagree. Plain C++ only: the asset generator includes it too.
#pragma once

#include <array>
#include <cstdint>

namespace plonk::board {

// The ball field: pixels x 0..319, y 0..479.
inline constexpr int Field_Width = 320;
inline constexpr int Field_Height = 480;
// The board is mirrored about this column (x <-> 316 - x).
inline constexpr int Mirror_X = 158;

struct Point {
    int X = 0, Y = 0;
};

// What the ball meets on a pixel: the codes of the zone map.
enum Zone_Code : uint8_t {
    Zone_Open = 0,         // free flight; on the launch lane, the lane itself
    Zone_Spring = 1,       // a spring's ring; on the launch lane, the end of the lane
    Zone_Hole = 2,         // a hole's capture area
    Zone_Yellow_Star = 3,  // the yellow rollover star, otherwise open
    Zone_Pin = 4,          // a pin's ring
    Zone_Wall = 5,         // a wall, the top or a slope
    Zone_Red_Star = 6,     // the red rollover star, otherwise open
    Zone_Drain = 7,        // the run-out to the drain
};

// One listed element of an angle table: offsets (I, J) in the box and the surface angle.
struct Ring_Element {
    int8_t I = 0, J = 0;
    int16_t Angle = 0;
};

// ------------------------------------------------------------------ holes
inline constexpr int Hole_Count = 25;
inline constexpr int Hole_Size = 15;  // a hole is a 15 x 15 square; its centre is (left + 7, top + 7)

// Top-left pixel of holes 1..25 (index 0 is hole 1).
inline constexpr std::array<Point, Hole_Count> Hole_Corner = {{
    {19, 68},   {63, 68},   {107, 68},  {151, 68},  {195, 68},  {239, 68},  {283, 68},  // 1..7
    {41, 153},  {85, 153},  {129, 153}, {173, 153}, {217, 153}, {261, 153},             // 8..13
    {59, 238},  {105, 238}, {151, 238}, {197, 238}, {243, 238},                         // 14..18
    {85, 323},  {129, 323}, {173, 323}, {217, 323},                                     // 19..22
    {117, 418}, {151, 408}, {185, 418},                                                 // 23..25
}};

// The capture area of a hole: how far it reaches from the hole's centre pixel to
// the left, right, up and down. It never reaches further left than the hole's own
// left edge.
struct Hole_Zone {
    int Left, Right, Up, Down;
};
extern const std::array<Hole_Zone, Hole_Count> Hole_Zones;

// The five hole rows, top row first. A row spans 85 pixel rows from 60 + 85 * row.
struct Hole_Row_Layout {
    int First_X;       // left x of the row's first hole
    int Pitch;         // distance between the holes' left edges
    int Count;         // holes in the row
    int First_Number;  // number of the row's first hole
    int Top_Y;         // top y of the row's holes
};
inline constexpr int Hole_Row_Top = 60;
inline constexpr int Hole_Row_Height = 85;
inline constexpr std::array<Hole_Row_Layout, 5> Hole_Rows = {{
    {19, 44, 7, 1, 68},
    {41, 44, 6, 8, 153},
    {59, 46, 5, 14, 238},
    {85, 44, 4, 19, 323},
    {117, 34, 3, 23, 418},
}};
// In the bottom row the middle hole stands higher: for 150 <= x <= 166 its top is 408.
inline constexpr int Raised_Hole_Left = 150;
inline constexpr int Raised_Hole_Right = 166;
inline constexpr int Raised_Hole_Top = 408;
// Below this y a hole row's vertical offset is no longer taken from the 85-pixel grid.
inline constexpr int Hole_Grid_Bottom = 340;
// The offset of a hole's centre pixel from its top-left pixel, across and down.
inline constexpr int Hole_Centre = Hole_Size / 2;

// ------------------------------------------------------------------- pins
inline constexpr int Pin_Box = 25;     // the pin table is 25 x 25, the centre at (12, 12)
inline constexpr int Pin_Radius = 12;  // the ring on which the ball's centre touches a pin
inline constexpr int Pin_Row_Top = 28;
inline constexpr int Pin_Row_Height = 85;

// The pin rows: centre y and the centres' x.
struct Pin_Row_Layout {
    int Y;
    int Count;
    std::array<int, 7> X;
};
inline constexpr std::array<Pin_Row_Layout, 5> Pin_Rows = {{
    {40, 7, {26, 70, 114, 158, 202, 246, 290}},
    {125, 6, {44, 84, 124, 192, 232, 272, 0}},
    {210, 7, {44, 82, 120, 158, 196, 234, 272}},
    {295, 5, {70, 114, 158, 202, 246, 0, 0}},
    {380, 1, {158, 0, 0, 0, 0, 0, 0}},
}};

// The pin boxes across each pin row: a ball at column x is at offset
// (x - First) Mod Pitch of its box; in row 1 the right half (x >= Mirror_X) counts
// from Right_First.
struct Pin_Box_Row {
    int First, Pitch, Right_First;
};
inline constexpr std::array<Pin_Box_Row, 5> Pin_Box_Rows = {{
    {14, 44, 14},
    {32, 40, 20},
    {32, 38, 32},
    {14, 44, 14},
    {14, 44, 14},
}};

// The pin ring, row by row: the elements on which the ball touches a pin. Every
// other element of the pin table is 0, and so is the ring element (24, 12).
extern const std::array<Ring_Element, 96> Pin_Ring;

// ---------------------------------------------------------------- springs
inline constexpr int Spring_Box = 41;  // the spring tables are 41 x 41, the centre at (20, 20)
inline constexpr int Spring_Row_Height = 85;

// Elements of the left and the right spring table, row by row (160 each).
extern const std::array<Ring_Element, 160> Left_Spring_Ring;
extern const std::array<Ring_Element, 160> Right_Spring_Ring;

// Top-left corner of the spring box by spring row 0..4, left and right side.
inline constexpr std::array<Point, 5> Left_Spring_Corner = {
    {{-2, 1}, {2, 88}, {20, 247}, {20, 247}, {87, 373}}};
inline constexpr std::array<Point, 5> Right_Spring_Corner = {
    {{278, 1}, {274, 88}, {256, 247}, {256, 247}, {189, 373}}};

// The springs on the board (centres); each is the centre (20, 20) of its box.
inline constexpr std::array<Point, 4> Left_Springs = {{{18, 21}, {22, 108}, {40, 267}, {107, 393}}};
inline constexpr std::array<Point, 4> Right_Springs = {{{298, 21}, {294, 108}, {276, 267}, {209, 393}}};

// ---------------------------------------------------------- stars, drain, lane
inline constexpr Point Yellow_Star = {60, 378};
inline constexpr Point Red_Star = {256, 378};
inline constexpr int Star_Radius = 6;  // the rollover zone around a star's centre

inline constexpr Point Drain_Point = {158, 465};
// The drain zone is a box under the bottom slopes; the ball is steered to the drain point.
inline constexpr int Drain_Left = 100, Drain_Right = 216, Drain_Top = 452;
constexpr bool In_Drain_Box(int x, int y) { return x >= Drain_Left && x <= Drain_Right && y >= Drain_Top; }

inline constexpr Point Ball_Start = {275, 15};
inline constexpr int Lane_Y = 15;

// The balls waiting to be shot stand in a column beside the lane, ball 0 lowest; a
// ball the drain returns goes back to its place there. Ball k's picture has its
// top-left corner at Waiting_Ball(k).
constexpr Point Waiting_Ball(int k) { return {295, 384 - 20 * k}; }

// ------------------------------------------------------------------ walls
// The walls as lines the ball's centre cannot cross (the drawn wall stands a
// ball's radius further out).
inline constexpr int Top_Wall_Bottom = 9;    // y 0..9 is the top wall
inline constexpr int Upper_Wall_Right = 8;   // left wall x 0..8 for y 10..189
inline constexpr int Upper_Slope_Top = 190;  // the upper slopes run over y 190..199
inline constexpr int Upper_Slope_Bottom = 199;
inline constexpr int Lower_Wall_Right = 18;   // left wall x 0..18 for y 200..394
inline constexpr int Bottom_Slope_Top = 395;  // the bottom slopes start here
// The bottom slope falls 7 pixels for every 10 to the centre (its normal is 55 degrees).
inline constexpr int Bottom_Slope_Rise = 7, Bottom_Slope_Run = 10;
// The surface angles of the left upper slope and the left bottom slope; those of the
// right ones are their mirror images, 180 minus these.
inline constexpr int Upper_Slope_Normal = 45, Bottom_Slope_Normal = 55;

// The ball's picture is 15 x 15 around its centre pixel.
inline constexpr int Ball_Radius = 7;

// The mirror image of column x.
constexpr int Mirror(int x) { return 2 * Mirror_X - x; }

// Every pin stands in a box of its row's pin box columns.
constexpr bool Pin_Boxes_Fit_Pins() {
    for (int row = 0; row < 5; ++row)
        for (int k = 0; k < Pin_Rows[row].Count; ++k) {
            const Pin_Box_Row& b = Pin_Box_Rows[row];
            const int left = Pin_Rows[row].X[k] - Pin_Radius;
            if ((left - (Pin_Rows[row].X[k] < Mirror_X ? b.First : b.Right_First)) % b.Pitch != 0)
                return false;
        }
    return true;
}
static_assert(Pin_Boxes_Fit_Pins());

}  // namespace plonk::board
