// The game's icon: a small board with pins, a shaded ball dropping onto them and
// three lit holes, drawn four times larger than wanted and scaled down, so the edges
// are smooth at every size a desktop asks for.
#include <filesystem>
#include <string>

#include "asset_generator/art.h"
#include "asset_generator/png_file.h"

namespace plonk::assets {

namespace {

constexpr int kGrid = 64;    // the drawing's own units across
constexpr int kSamples = 4;  // samples per output pixel along each axis

// A square with corners rounded by `r`, in drawing units scaled by `u`.
void Rounded_Square(Canvas& c, double u, double from, double to, double r, Colour colour) {
    c.Fill_Rect(static_cast<int>((from + r) * u), static_cast<int>(from * u),
                static_cast<int>((to - r) * u) - 1, static_cast<int>(to * u) - 1, colour);
    c.Fill_Rect(static_cast<int>(from * u), static_cast<int>((from + r) * u), static_cast<int>(to * u) - 1,
                static_cast<int>((to - r) * u) - 1, colour);
    for (double x : {from + r, to - r})
        for (double y : {from + r, to - r}) c.Disc(x * u, y * u, r * u, colour);
}

// Each output pixel is the mean of its samples, weighted by their opacity.
Canvas Scaled_Down(const Canvas& big, int size) {
    Canvas out(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const Colour c = big.Get(x * kSamples + i, y * kSamples + j);
                    const double w = (c >> 24) / 255.0;
                    a += w;
                    r += w * ((c >> 16) & 0xFF);
                    g += w * ((c >> 8) & 0xFF);
                    b += w * (c & 0xFF);
                }
            }
            if (a == 0) continue;
            const auto channel = [](double v) { return static_cast<Colour>(v + 0.5); };
            out.Set(x, y,
                    (channel(255.0 * a / (kSamples * kSamples)) << 24) | (channel(r / a) << 16) |
                        (channel(g / a) << 8) | channel(b / a));
        }
    }
    return out;
}

}  // namespace

Canvas Icon_Picture(int size) {
    const double u = static_cast<double>(size * kSamples) / kGrid;
    Canvas big(size * kSamples, size * kSamples);
    // 1. The board: a rim and a deep blue field.
    Rounded_Square(big, u, 2, 62, 11, Rgb(84, 96, 196));
    Rounded_Square(big, u, 5, 59, 8, Rgb(16, 22, 92));
    // 2. A triangle of pins.
    for (const Point p :
         {Point{32, 26}, Point{23, 35}, Point{41, 35}, Point{14, 44}, Point{32, 44}, Point{50, 44}}) {
        big.Disc(p.X * u, p.Y * u, 3.0 * u, Qb(qb::Olive));
        big.Disc(p.X * u, p.Y * u, 2.2 * u, Qb(qb::Yellow));
    }
    // 3. Three holes along the bottom, lit in the card's colours.
    const int rims[] = {qb::Red, qb::Lime, qb::Cyan};
    for (int k = 0; k < 3; ++k) {
        const double x = 17 + 15 * k;
        big.Disc(x * u, 53 * u, 4.6 * u, Qb(rims[k]));
        big.Disc(x * u, 53 * u, 2.8 * u, Qb(qb::Black));
    }
    // 4. The ball, dropping onto the top pin.
    Paint_Ball(big, 38 * u, 16 * u, 9.5 * u);
    return Scaled_Down(big, size);
}

std::string Icon_File(int size) {
    const std::string side = std::to_string(size);
    return "icons/hicolor/" + side + "x" + side + "/apps/" + PLONK_APP_ID + ".png";
}

bool Write_Icons(const std::string& folder) {
    bool ok = true;
    for (int size : Icon_Sizes) {
        const std::filesystem::path path = In_Folder(folder, Icon_File(size));
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        ok &= Save_Png(Icon_Picture(size), path.string());
    }
    return ok;
}

}  // namespace plonk::assets
