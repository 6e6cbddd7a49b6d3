// The card lamps: a round lamp with its hole number, bright yellow with dark
// digits when lit, dark with dim digits when not; the centre numbers of the
// lines carry a cyan ring.
#include <string>

#include "app/picture_names.h"
#include "asset_generator/art.h"
#include "asset_generator/picture_files.h"
#include "asset_generator/pixel_font.h"

namespace plonk::assets {

namespace {

constexpr int kSize = 21;
constexpr double kCentre = kSize / 2.0;

struct Lamp_Look {
    Colour Rim, Body, Shine, Digits;
};
const Lamp_Look kLit{Rgb(192, 128, 0), Rgb(255, 224, 0), Rgb(255, 255, 176), Rgb(0, 0, 0)};
const Lamp_Look kUnlit{Rgb(72, 72, 88), Rgb(32, 32, 44), Rgb(48, 48, 64), Rgb(168, 168, 176)};
const Colour kMidRing = Rgb(0, 200, 255);

// The two digits a lamp shows: "07" for 7.
std::string Two_Digits(int number) { return std::to_string(number + 100).substr(1); }

}  // namespace

Canvas Lamp_Art(int number, bool lit, bool mid) {
    const Lamp_Look& look = lit ? kLit : kUnlit;
    Canvas c(kSize, kSize);
    c.Disc(kCentre, kCentre, kCentre, look.Rim);
    c.Disc(kCentre, kCentre, kCentre - 1.5, look.Body);
    c.Disc(kCentre - 4.5, kCentre - 5.5, 2, look.Shine);
    if (mid) c.Ring(kCentre, kCentre, kCentre - 2.5, kCentre, kMidRing);
    Draw_Text_Centred(c, 0, 0, kSize - 1, kSize - 1, Two_Digits(number), look.Digits, {Font::Normal, true});
    return c;
}

bool Write_Lamp_Pictures(const std::string& folder) {
    bool ok = true;
    for (int n = 1; n <= 25; ++n)
        for (const bool lit : {true, false})
            for (const bool mid : {false, true})
                ok &= Save_Gif(Lamp_Art(n, lit, mid), In_Folder(folder, Lamp_File(n, lit, mid)));
    return ok;
}

}  // namespace plonk::assets
