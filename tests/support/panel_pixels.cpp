#include "support/panel_pixels.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace plonk::test {

namespace {

uint32_t Le(const std::vector<unsigned char>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
    return v;
}

}  // namespace

Pixels Read_Bmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Pixels p;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Le(b, 30, 4) != 0) return p;
    const uint32_t offset = Le(b, 10, 4);
    const int width = static_cast<int>(Le(b, 18, 4));
    const int height = static_cast<int>(Le(b, 22, 4));  // positive: rows stored bottom-up
    const int bits = static_cast<int>(Le(b, 28, 2));
    const size_t palette = 14 + Le(b, 14, 4);
    const size_t row_bytes = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (height <= 0 || b.size() < offset + row_bytes * height) return p;
    p.Width = width;
    p.Height = height;
    p.Rgb.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const size_t row = offset + row_bytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t c = 0;
            if (bits == 24) {
                c = Le(b, row + 3 * x, 3);
            } else {
                const unsigned index =
                    bits == 8 ? b[row + x] : (x % 2 == 0 ? b[row + x / 2] >> 4 : b[row + x / 2] & 15);
                c = Le(b, palette + 4 * index, 3);
            }
            p.Set(x, y, c & 0xFFFFFF);
        }
    }
    return p;
}

void Render_Lines(Pixels& p, const Control& c, int left, int top, int width, int height) {
    for (const Drawn_Line& l : c.Lines) {
        // Step from the first point towards the last, leaving the last point out.
        int x = l.X1, y = l.Y1;
        const int dx = std::abs(l.X2 - l.X1), dy = -std::abs(l.Y2 - l.Y1);
        const int sx = l.X1 < l.X2 ? 1 : -1, sy = l.Y1 < l.Y2 ? 1 : -1;
        int err = dx + dy;
        while (x != l.X2 || y != l.Y2) {
            const bool inside =
                (width == 0 || (x >= 0 && x < width)) && (height == 0 || (y >= 0 && y < height));
            if (inside) p.Set(left + x, top + y, l.Color);
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
