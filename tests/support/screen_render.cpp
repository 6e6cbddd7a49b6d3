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
        for (const Line_Pixel& p : Line_Pixels(l)) {
            const bool inside =
                (width == 0 || (p.X >= 0 && p.X < width)) && (height == 0 || (p.Y >= 0 && p.Y < height));
            if (inside) Set_Pixel(onto, left + p.X, top + p.Y, l.Color);
        }
    }
}

}  // namespace plonk::test
