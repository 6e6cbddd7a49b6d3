// The faces of the game buttons: small pictures on the button's own grey that
// say what each button does.
#include <string>

#include "asset_generator/art.h"
#include "asset_generator/picture_files.h"
#include "asset_generator/pixel_font.h"

namespace plonk::assets {

namespace {

const Colour kFace = Qb(qb::Silver);
constexpr int kWidth = 12, kHeight = 13;

Canvas Lettered(const std::string& text, Colour ink, int width = kWidth) {
    Canvas c(width, kHeight, kFace);
    const bool bold = Text_Width(text, {Font::Normal, true}) <= width;
    Draw_Text_Centred(c, 0, 0, width - 1, kHeight - 1, text, ink, {Font::Normal, bold});
    return c;
}

// An arrow pointing down (lower the start speed) or up (raise it).
Canvas Arrow_Face(bool up, Colour ink) {
    Canvas c(kWidth, kHeight, kFace);
    std::vector<Point> shape = {{4, 1}, {8, 1}, {8, 6}, {11.5, 6}, {6, 12}, {0.5, 6}, {4, 6}};
    if (up)
        for (Point& p : shape) p.Y = kHeight - p.Y;
    c.Polygon(shape, ink);
    return c;
}

Canvas Ball_Face() {
    Canvas c(kWidth, kHeight, kFace);
    Paint_Ball(c, 6, 6.5, 5.5);
    return c;
}

// A gold coin marked P: insert points.
Canvas Coin_Face() {
    Canvas c(kWidth, kHeight, kFace);
    c.Disc(6, 6.5, 6, Qb(qb::Olive));
    c.Disc(6, 6.5, 5, Qb(qb::Yellow));
    Draw_Text_Centred(c, 0, 0, kWidth - 1, kHeight - 1, "P", Qb(qb::Black), {Font::Normal, false});
    return c;
}

}  // namespace

bool Write_Button_Faces(const std::string& folder) {
    auto file = [&](const std::string& name) { return In_Folder(folder, name); };
    bool ok = true;
    ok &= Save_Bmp(Arrow_Face(false, Qb(qb::Blue)), file("Knop_KrachtOmlaag.bmp"));
    ok &= Save_Bmp(Arrow_Face(true, Qb(qb::Red)), file("Knop_KrachtOmhoog.bmp"));
    ok &= Save_Bmp(Ball_Face(), file("Knop_Bal.bmp"));
    for (char l = 'A'; l <= 'E'; ++l)
        ok &= Save_Bmp(Lettered(std::string(1, l), Qb(qb::Black)), file(std::string("Knop_") + l + ".bmp"));
    ok &= Save_Bmp(Coin_Face(), file("Knop_P.bmp"));
    ok &= Save_Bmp(Lettered("S", Qb(qb::Navy)), file("Knop_S.bmp"));
    ok &= Save_Bmp(Lettered("2X", Qb(qb::Green), 19), file("Knop_2.bmp"));
    ok &= Save_Bmp(Lettered("F1", Qb(qb::Maroon)), file("Knop_F1.bmp"));
    ok &= Save_Bmp(Lettered("F2", Qb(qb::Navy)), file("Knop_F2.bmp"));
    return ok;
}

}  // namespace plonk::assets
