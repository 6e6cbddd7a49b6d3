#include <cstdlib>

#include "app/controls.h"

namespace plonk {

std::vector<Line_Pixel> Line_Pixels(const Drawn_Line& line) {
    // Bresenham's walk from the first point; the end point itself is left out.
    std::vector<Line_Pixel> pixels;
    int x = line.X1, y = line.Y1;
    const int dx = std::abs(line.X2 - x), dy = -std::abs(line.Y2 - y);
    const int sx = x < line.X2 ? 1 : -1, sy = y < line.Y2 ? 1 : -1;
    int err = dx + dy;
    while (x != line.X2 || y != line.Y2) {
        pixels.push_back({x, y});
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return pixels;
}

}  // namespace plonk
