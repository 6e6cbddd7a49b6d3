// The indicators inside the game screen. Each has a lit look (its picture file,
// shown when the machine shows the indicator) and an unlit look in dim colours
// (painted on the background, seen while the indicator is hidden).
#include <string>

#include "asset_generator/art.h"
#include "asset_generator/picture_files.h"
#include "asset_generator/pixel_font.h"

namespace plonk::assets {

namespace {

const Text_Style kBold{Font::Normal, true};
const Text_Style kPlain{Font::Normal, false};

// The colour of an indicator lit, or its dim partner unlit.
Colour Lamp(int lit_colour, int dim_colour, bool lit) { return Qb(lit ? lit_colour : dim_colour); }

Canvas Small_Star_Picture(int colour) {
    Canvas c(13, 13, Qb(qb::Black));
    c.Star(6.5, 7.0, 6.5, 2.7, 5, Qb(colour));
    return c;
}

// The ball of the playfield, with transparent corners.
Canvas Ball_Picture() {
    Canvas c(15, 15);
    Paint_Ball(c, 7.5, 7.5, 7.5);
    return c;
}

// The tip marker: a bright ring edged in black, open inside so the hole shows.
Canvas Tip_Picture() {
    Canvas c(15, 15);
    c.Ring(7.5, 7.5, 3.5, 7.5, Qb(qb::Black));
    c.Ring(7.5, 7.5, 4.5, 6.5, Qb(qb::Magenta));
    return c;
}

// A picture with an icon on the left and a caption filling the rest.
Canvas Icon_And_Caption(int width, int height, const Canvas& icon, const std::string& caption, Colour ink) {
    Canvas c(width, height, Qb(qb::Black));
    c.Paste(icon, 1, (height - icon.Height()) / 2);
    Draw_Text_Centred(c, icon.Width() + 2, 0, width - 1, height - 1, caption, ink, kPlain);
    return c;
}

}  // namespace

void Paint_Ball(Canvas& canvas, double cx, double cy, double r) {
    canvas.Disc(cx, cy, r, Rgb(88, 88, 100));
    canvas.Disc(cx - r * 0.1, cy - r * 0.1, r * 0.8, Rgb(168, 168, 180));
    canvas.Disc(cx - r * 0.2, cy - r * 0.2, r * 0.55, Rgb(216, 216, 228));
    canvas.Disc(cx - r * 0.3, cy - r * 0.3, r * 0.25, Rgb(255, 255, 255));
}

Canvas Arrow_Picture(bool lit) {
    Canvas c(16, 13, Qb(qb::Black));
    c.Polygon({{1, 4}, {8, 4}, {8, 0.5}, {15, 6.5}, {8, 12.5}, {8, 9}, {1, 9}},
              Lamp(qb::Yellow, qb::Olive, lit));
    return c;
}

Canvas Letter_Picture(char letter, bool lit) {
    Canvas c(17, 13, lit ? Qb(qb::Lime) : Qb(qb::Black));
    Draw_Text_Centred(c, 0, 0, 16, 12, std::string(1, letter), lit ? Qb(qb::Black) : Qb(qb::Green), kBold);
    return c;
}

Canvas Ball_Line_Picture(int ball, bool lit) {
    Canvas c(66, 13, Qb(qb::Black));
    Draw_Text_Centred(c, 0, 0, 65, 12, std::to_string(ball) + "TH BALL", Lamp(qb::Yellow, qb::Olive, lit),
                      kBold);
    return c;
}

Canvas Corners_Picture(bool lit) {
    const Colour ink = Lamp(qb::Red, qb::Maroon, lit);
    Canvas icon(15, 15);
    icon.Frame(2, 2, 12, 12, lit ? Qb(qb::Grey) : Qb(qb::Navy));
    for (double cx : {2.5, 12.5})
        for (double cy : {2.5, 12.5}) icon.Ring(cx, cy, 1.0, 2.6, ink);
    return Icon_And_Caption(60, 17, icon, "CORNERS", ink);
}

Canvas Stars_Picture(int stars, bool lit) {
    const Colour ink = stars == 4 ? Lamp(qb::Lime, qb::Green, lit) : Lamp(qb::Yellow, qb::Olive, lit);
    Canvas icon(15, 15);
    icon.Star(7.5, 8.0, 7.5, 3.0, 5, ink);
    return Icon_And_Caption(stars == 4 ? 60 : 59, 17, icon, std::to_string(stars) + " STARS", ink);
}

Canvas Flag_Picture(bool lit) {
    Canvas c(44, 45, Qb(qb::Black));
    const Colour pole = Lamp(qb::Silver, qb::Grey, lit);
    c.Fill_Rect(8, 4, 9, 41, pole);
    c.Fill_Rect(4, 41, 13, 43, pole);
    c.Disc(9, 3.5, 2.5, Lamp(qb::Yellow, qb::Olive, lit));
    const std::vector<Point> cloth = {{10, 6},  {18, 8},  {26, 6},  {33, 7},  {40, 6},
                                      {40, 25}, {33, 26}, {26, 25}, {18, 27}, {10, 25}};
    if (lit) {
        c.Polygon(cloth, Qb(qb::Red));
        c.Polygon({{10, 18},
                   {18, 20},
                   {26, 18},
                   {33, 19},
                   {40, 18},
                   {40, 25},
                   {33, 26},
                   {26, 25},
                   {18, 27},
                   {10, 25}},
                  Qb(qb::Maroon));
    } else {
        c.Polygon(cloth, Qb(qb::Maroon));
        c.Polygon(
            {{11, 8}, {18, 10}, {26, 8}, {33, 9}, {39, 8}, {39, 23}, {33, 24}, {26, 23}, {18, 25}, {11, 23}},
            Qb(qb::Black));
    }
    return c;
}

Canvas Hit16_Picture(bool lit) {
    const Colour ink = Lamp(qb::Yellow, qb::Olive, lit);
    Canvas c(310, 17, Qb(qb::Black));
    Draw_Text_Centred(c, 0, 0, 309, 16, "16 HIT ADDS A FLAG", ink, kBold);
    // A small pennant at either end.
    for (int x : {60, 240}) {
        c.VLine(x, 2, 14, Lamp(qb::Silver, qb::Grey, lit));
        c.Polygon({{x + 1.0, 2.0}, {x + 10.0, 5.5}, {x + 1.0, 9.0}}, Lamp(qb::Red, qb::Maroon, lit));
    }
    return c;
}

Canvas Double_Picture(bool lit) {
    const Colour ink = Lamp(qb::Lime, qb::Green, lit);
    Canvas c(89, 50, Qb(qb::Black));
    c.Frame(0, 0, 88, 49, ink);
    c.Frame(2, 2, 86, 47, ink);
    Text_Style big{Font::Normal, false, 2, 2};
    Draw_Text_Centred(c, 0, 5, 88, 22, "GREEN", ink, big);
    Draw_Text_Centred(c, 0, 27, 88, 44, "DOUBLE", ink, big);
    return c;
}

Canvas Bonus_Picture(bool red, bool lit) {
    Canvas c(40, 11, Qb(qb::Black));
    const Colour ink = red ? Lamp(qb::Red, qb::Maroon, lit) : Lamp(qb::Lime, qb::Green, lit);
    Draw_Text_Centred(c, 0, 0, 39, 10, "BONUS", ink, kBold);
    return c;
}

Canvas Extra_Ball_Picture(bool lit) {
    Canvas c(35, 15, Qb(qb::Black));
    if (lit) {
        Paint_Ball(c, 9.5, 7.5, 6.5);
    } else {
        c.Ring(9.5, 7.5, 5.5, 6.5, Qb(qb::Grey));
    }
    Draw_Text_Centred(c, 18, 0, 34, 14, "+1", Lamp(qb::White, qb::Grey, lit), kBold);
    return c;
}

bool Write_Indicator_Pictures(const std::string& folder) {
    auto file = [&](const std::string& name) { return In_Folder(folder, name); };
    bool ok = true;
    ok &= Save_Gif(Ball_Picture(), file("Bal.gif"));
    ok &= Save_Gif(Tip_Picture(), file("Tip.gif"));
    ok &= Save_Bmp(Small_Star_Picture(qb::Yellow), file("Ster_Geel.bmp"));
    ok &= Save_Bmp(Small_Star_Picture(qb::Red), file("Ster_Rood.bmp"));
    ok &= Save_Bmp(Bonus_Picture(true, true), file("RedBonus.bmp"));
    ok &= Save_Bmp(Bonus_Picture(false, true), file("GreenBonus.bmp"));
    ok &= Save_Bmp(Arrow_Picture(true), file("Pijl.bmp"));
    for (char l = 'A'; l <= 'E'; ++l)
        ok &= Save_Bmp(Letter_Picture(l, true), file(std::string("Letter_") + l + ".bmp"));
    ok &= Save_Bmp(Ball_Line_Picture(4, true), file("4thBall.bmp"));
    ok &= Save_Bmp(Ball_Line_Picture(5, true), file("5thBall.bmp"));
    ok &= Save_Bmp(Corners_Picture(true), file("Corners.bmp"));
    ok &= Save_Bmp(Stars_Picture(4, true), file("4Stars.bmp"));
    ok &= Save_Bmp(Stars_Picture(3, true), file("3Stars.bmp"));
    ok &= Save_Bmp(Stars_Picture(2, true), file("2Stars.bmp"));
    ok &= Save_Bmp(Flag_Picture(true), file("Vlag.bmp"));
    ok &= Save_Bmp(Hit16_Picture(true), file("16Hit.bmp"));
    ok &= Save_Bmp(Double_Picture(true), file("Dubbel.bmp"));
    ok &= Save_Bmp(Extra_Ball_Picture(true), file("XtrBall.bmp"));
    return ok;
}

}  // namespace plonk::assets
