#include "asset_generator/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/basic_types.h"
#include "app/controls.h"

namespace plonk::assets {

Colour Qb(int n) { return 0xFF000000u | plonk::QBColor(n); }

Canvas::Canvas(int width, int height, Colour background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

void Canvas::Set(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

Colour Canvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Transparent;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::Fill_Rect(int x0, int y0, int x1, int y1, Colour c) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Set(x, y, c);
}

void Canvas::Frame(int x0, int y0, int x1, int y1, Colour c) {
    HLine(x0, x1, y0, c);
    HLine(x0, x1, y1, c);
    VLine(x0, y0, y1, c);
    VLine(x1, y0, y1, c);
}

void Canvas::HLine(int x0, int x1, int y, Colour c) { Fill_Rect(x0, y, x1, y, c); }
void Canvas::VLine(int x, int y0, int y1, Colour c) { Fill_Rect(x, y0, x, y1, c); }

void Canvas::Line(int x0, int y0, int x1, int y1, Colour c, int thickness) {
    // The pixels of the machine's own lines, and the end point too; a thick line
    // stamps a square at every one.
    const int lo = -(thickness - 1) / 2, hi = thickness / 2;
    auto stamp = [&](int x, int y) { Fill_Rect(x + lo, y + lo, x + hi, y + hi, c); };
    for (const Line_Pixel& p : Line_Pixels({x0, y0, x1, y1})) stamp(p.X, p.Y);
    stamp(x1, y1);
}

void Canvas::Ring(double cx, double cy, double r_in, double r_out, Colour c) {
    const int x0 = static_cast<int>(std::floor(cx - r_out)), x1 = static_cast<int>(std::ceil(cx + r_out));
    const int y0 = static_cast<int>(std::floor(cy - r_out)), y1 = static_cast<int>(std::ceil(cy + r_out));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double d2 = (x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy);
            if (d2 <= r_out * r_out && (r_in < 0 || d2 > r_in * r_in)) Set(x, y, c);
        }
}

void Canvas::Polygon(const std::vector<Point>& corners, Colour c) {
    if (corners.size() < 3) return;
    double top = corners[0].Y, bottom = corners[0].Y;
    for (const Point& p : corners) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    for (int y = static_cast<int>(std::floor(top)); y <= static_cast<int>(std::ceil(bottom)); ++y) {
        const double sy = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < corners.size(); ++i) {
            const Point& a = corners[i];
            const Point& b = corners[(i + 1) % corners.size()];
            if ((a.Y <= sy && b.Y > sy) || (b.Y <= sy && a.Y > sy))
                crossings.push_back(a.X + (sy - a.Y) * (b.X - a.X) / (b.Y - a.Y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(crossings[i] - 0.5)); x + 0.5 <= crossings[i + 1]; ++x)
                Set(x, y, c);
    }
}

void Canvas::Star(double cx, double cy, double r_out, double r_in, int points, Colour c) {
    const double pi = 3.14159265358979323846;
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? r_out : r_in;
        const double a = -pi / 2 + pi * i / points;
        corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    Polygon(corners, c);
}

void Canvas::Paste(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx) {
            const Colour c = src.Get(sx, sy);
            if (c != Transparent) Set(x + sx, y + sy, c);
        }
}

void Canvas::Replace(Colour from, Colour to) { std::replace(pixels_.begin(), pixels_.end(), from, to); }

}  // namespace plonk::assets
