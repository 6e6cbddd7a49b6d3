// The playfield half of the background and the zone map, both from the board layout.
#include <array>
#include <cmath>
#include <cstdlib>

#include "app/basic_types.h"
#include "asset_generator/assets.h"
#include "asset_generator/bmp_file.h"
#include "playfield/board_layout.h"
#include "playfield/zone_map.h"

namespace plonk::assets {
namespace {

using namespace plonk::board;

void Dot(Canvas& img, int x, int y, int colour) {
    if (x >= 0 && x < Field_Width && y >= 0 && y < Field_Height) img.Set(x, y, Qb(colour));
}

// Digits 0..9 in a 3 x 5 pixel font, one row of three bits per line, top first.
constexpr std::array<std::array<uint8_t, 5>, 10> Digits = {{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 3, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void Digit(Canvas& img, int left, int top, int d, int colour) {
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            if (Digits[d][r] >> (2 - c) & 1) Dot(img, left + c, top + r, colour);
}

// A hole: a dark round pit with a rim and its number.
void Draw_Hole(Canvas& img, int n) {
    const int cx = Hole_Corner[n - 1].X + 7, cy = Hole_Corner[n - 1].Y + 7;
    for (int dy = -7; dy <= 7; ++dy)
        for (int dx = -7; dx <= 7; ++dx) {
            const int d2 = dx * dx + dy * dy;
            if (d2 <= 42)
                Dot(img, cx + dx, cy + dy, qb::Black);
            else if (d2 <= 56)
                Dot(img, cx + dx, cy + dy, qb::Silver);
        }
    if (n < 10) {
        Digit(img, cx - 1, cy - 2, n, qb::White);
    } else {
        Digit(img, cx - 3, cy - 2, n / 10, qb::White);
        Digit(img, cx + 1, cy - 2, n % 10, qb::White);
    }
}

// A pin: a diamond nine pixels across.
void Draw_Pin(Canvas& img, int cx, int cy) {
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int d = std::abs(dx) + std::abs(dy);
            if (d <= 4) Dot(img, cx + dx, cy + dy, d == 4 ? qb::Olive : d <= 1 ? qb::White : qb::Yellow);
        }
}

// A spring: its body, with a curl wound from the middle outwards.
void Draw_Spring_Curl(Canvas& img, int cx, int cy) {
    for (int t = 0; t < 720; t += 3) {
        const double a = t * 3.14159265 / 180, r = 1.0 + t / 80.0;
        Dot(img, cx + static_cast<int>(std::lround(r * std::cos(a))),
            cy - static_cast<int>(std::lround(r * std::sin(a))), qb::Red);
    }
}

// A five-pointed star outline where a rollover star lights.
void Draw_Star(Canvas& img, board::Point c, int colour) {
    for (int k = 0; k < 10; ++k) {
        const double a0 = (90 + 36 * k) * 3.14159265 / 180, a1 = (90 + 36 * (k + 1)) * 3.14159265 / 180;
        const double r0 = k % 2 == 0 ? 6 : 2.5, r1 = k % 2 == 0 ? 2.5 : 6;
        for (int s = 0; s <= 8; ++s) {
            const double f = s / 8.0;
            const double x = (1 - f) * r0 * std::cos(a0) + f * r1 * std::cos(a1);
            const double y = (1 - f) * r0 * std::sin(a0) + f * r1 * std::sin(a1);
            Dot(img, c.X + static_cast<int>(std::lround(x)), c.Y - static_cast<int>(std::lround(y)), colour);
        }
    }
}

}  // namespace

void Draw_Playfield_Half(Canvas& scherm) {
    const Zone_Grid& zones = Zone_Map();
    const std::vector<Part> parts = Solid_Parts();
    // 1. Field, walls and the bodies of pins and springs; the walls get a light edge.
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) {
            const Part p = parts[x + Field_Width * y];
            int colour = qb::Green;
            if (p == Part::Wall) {
                bool edge = false;
                for (int d = -1; d <= 1; d += 2)
                    edge = edge ||
                           (x + d >= 0 && x + d < Field_Width &&
                            parts[x + d + Field_Width * y] == Part::Field) ||
                           (y + d >= 0 && y + d < Field_Height &&
                            parts[x + Field_Width * (y + d)] == Part::Field);
                colour = edge ? qb::Silver : qb::Grey;
            } else if (p == Part::Spring) {
                colour = qb::Maroon;
            } else if (zones.At(x, y) == 7 && In_Drain_Box(x, y) && (x + y) % 4 == 0) {
                colour = qb::Black;  // the run-out is hatched, not the ground under the walls
            }
            Dot(scherm, x, y, colour);
        }
    // 2. The launch lane, dotted, and the place where the ball starts.
    for (int x = Left_Springs[0].X + 20; x < Right_Springs[0].X - 20; x += 4)
        Dot(scherm, x, Lane_Y, qb::Lime);
    for (int d = -2; d <= 2; ++d) Dot(scherm, Ball_Start.X + d, Lane_Y, qb::White);
    // 3. The obstacles.
    for (const auto& c : Left_Springs) Draw_Spring_Curl(scherm, c.X, c.Y);
    for (const auto& c : Right_Springs) Draw_Spring_Curl(scherm, c.X, c.Y);
    for (const auto& row : Pin_Rows)
        for (int k = 0; k < row.Count; ++k) Draw_Pin(scherm, row.X[k], row.Y);
    // 4. The holes, the stars and the drain.
    for (int n = 1; n <= Hole_Count; ++n) Draw_Hole(scherm, n);
    Draw_Star(scherm, Yellow_Star, qb::Yellow);
    Draw_Star(scherm, Red_Star, qb::Red);
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            if (dx * dx + dy * dy <= 16) Dot(scherm, Drain_Point.X + dx, Drain_Point.Y + dy, qb::Black);
}

bool Write_Zone_Map(const std::string& path) {
    // A 4-bit map whose palette entries are the zone codes, at 100 dots per inch.
    const Zone_Grid& zones = Zone_Map();
    uint32_t palette[16];
    for (int i = 0; i < 16; ++i) palette[i] = QBColor(i);
    return Write_Bmp4(path, {Field_Width, Field_Height, 3937}, palette,
                      [&](int x, int y) { return static_cast<int>(zones.At(x, y)); });
}

}  // namespace plonk::assets
