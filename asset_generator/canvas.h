// A plain picture in memory: every pixel 0xAARRGGBB, alpha 0 meaning transparent.
// All drawing is done with whole pixels, so a picture comes out the same on every
// machine.
#pragma once

#include <cstdint>
#include <vector>

namespace plonk::assets {

using Colour = uint32_t;

constexpr Colour Transparent = 0;
constexpr Colour Rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<Colour>(r) << 16) | (static_cast<Colour>(g) << 8) |
           static_cast<Colour>(b);
}
// One of the 16 classic colours, by number.
Colour Qb(int n);

struct Point {
    double X, Y;
};

class Canvas {
public:
    Canvas(int width, int height, Colour background = Transparent);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixels outside the picture are ignored when set and read as transparent.
    void Set(int x, int y, Colour c);
    Colour Get(int x, int y) const;
    const std::vector<Colour>& Pixels() const { return pixels_; }

    // Rectangles with both corners included.
    void Fill_Rect(int x0, int y0, int x1, int y1, Colour c);
    void Frame(int x0, int y0, int x1, int y1, Colour c);
    void HLine(int x0, int x1, int y, Colour c);
    void VLine(int x, int y0, int y1, Colour c);
    // A straight line with both end points included, `thickness` pixels wide.
    void Line(int x0, int y0, int x1, int y1, Colour c, int thickness = 1);
    // Every pixel whose centre lies within `r_out` of (cx, cy) and not within
    // `r_in` of it (r_in < 0 gives a full disc).
    void Ring(double cx, double cy, double r_in, double r_out, Colour c);
    void Disc(double cx, double cy, double r, Colour c) { Ring(cx, cy, -1, r, c); }
    // Every pixel whose centre lies inside the polygon (even-odd rule).
    void Polygon(const std::vector<Point>& corners, Colour c);
    // A star of `points` points centred on (cx, cy), first point straight up.
    void Star(double cx, double cy, double r_out, double r_in, int points, Colour c);
    // Copies `src` with its top left at (x, y); transparent pixels of `src` are skipped.
    void Paste(const Canvas& src, int x, int y);
    // Replaces every pixel of colour `from` by `to`.
    void Replace(Colour from, Colour to);

private:
    int width_, height_;
    std::vector<Colour> pixels_;
};

}  // namespace plonk::assets
