#include "support/screen_render.h"

#include <cstdlib>

namespace plonk::test {

namespace {

void Set_Pixel(Picture& p, int x, int y, uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < p.Width && y < p.Height)
        p.Pixels[static_cast<size_t>(y) * p.Width + x] = 0xFF000000u | rgb;
}

}  // namespace

bool Read_Shown_Picture(const Control& c, const std::string& app_folder, Picture& picture,
                        std::string& error) {
    const std::string path = !c.Picture.empty() ? c.Picture : app_folder + c.Face;
    return Read_Picture(path, picture, error);
}

void Paint_Picture(Picture& onto, const Picture& picture, int left, int top) {
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            if (!picture.Clear(x, y)) Set_Pixel(onto, left + x, top + y, picture.Rgb(x, y));
}

void Render_Lines(Picture& onto, const Control& c, int left, int top, int width, int height) {
    for (const Drawn_Line& l : c.Lines) {
        // Bresenham from the first point towards the last, leaving the last point out.
        int x = l.X1, y = l.Y1;
        const int dx = std::abs(l.X2 - l.X1), dy = -std::abs(l.Y2 - l.Y1);
        const int sx = l.X1 < l.X2 ? 1 : -1, sy = l.Y1 < l.Y2 ? 1 : -1;
        int err = dx + dy;
        while (x != l.X2 || y != l.Y2) {
            const bool inside =
                (width == 0 || (x >= 0 && x < width)) && (height == 0 || (y >= 0 && y < height));
            if (inside) Set_Pixel(onto, left + x, top + y, l.Color);
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
    }
}

}  // namespace plonk::test
