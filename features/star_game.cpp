// The star game: the check on the finished card, and the light-red frames that
// show its prize while it is armed.
#include <algorithm>
#include <bit>

#include "features/star_prize.h"
#include "features/zones.h"

namespace plonk {

Star_Prize Star_Prize_For(int r) {
    r = std::clamp(r, 1, 9);
    static const Integer line_levels[10] = {0, 5, 7, 7, 8, 8, 9, 9, 9, 10};
    Star_Prize p{};
    p.Yellow = To_Integer(std::min(r + 2, 9));
    p.Red = To_Integer(r);
    p.White = To_Integer(std::min(r + 1, 9));
    p.Green = To_Integer(r);
    p.Line_Level = line_levels[r];
    p.Fifth_Ball = r > 5;
    p.Corners = r % 2 == 1;
    return p;
}

namespace {

constexpr int Frame_Colour = qb::Red;      // the prize frames
constexpr int Boundary_Colour = qb::Grey;  // the panel's cell boundaries and box corners
constexpr int Panel_Colour = qb::Cyan;     // the panel's frames

bool Armed(const Features_Part& h) { return h.Three_Stars_Feature || h.Two_Stars_Feature; }

// One pixel: a line from it to its right-hand neighbour.
void Draw_Pixel(Control& c, int x, int y, uint32_t color) { c.Draw_Line(x, y, x + 1, y, color); }

// A box (x1, y1)-(x2, y2) with all four edges; each line leaves out its last
// point, which the next one starts from.
void Draw_Box(Control& c, int x1, int y1, int x2, int y2, uint32_t color) {
    c.Draw_Line(x1, y1, x2, y1, color);
    c.Draw_Line(x2, y1, x2, y2, color);
    c.Draw_Line(x2, y2, x1, y2, color);
    c.Draw_Line(x1, y2, x1, y1, color);
}

// The rows of each score strip's frame on the panel: top and bottom edge, and the
// rows of the right edge of a level-9 cell.
struct Strip_Rows {
    int Top, Bottom, Right_From, Right_To;
};
constexpr Strip_Rows Strips[4] = {
    {296, 324, 296, 324}, {329, 358, 330, 358}, {363, 392, 364, 392}, {397, 426, 398, 426}};
constexpr int Strip_Height = 28;

// How the frames are drawn: in light red, or erased in the panel's own colours.
enum class Pen { Draw, Erase };

void Horizontal_Edge(Features_Part& h, int x0, int x1, int y, Pen pen) {
    if (pen == Pen::Draw) return h.Pic_Scherm.Draw_Line(x0, y, x1, y, QBColor(Frame_Colour));
    // Dark grey first, then light cyan inside it: the cell boundaries stay grey.
    h.Pic_Scherm.Draw_Line(x0, y, x1, y, QBColor(Boundary_Colour));
    h.Pic_Scherm.Draw_Line(x0 + 1, y, x1 - 1, y, QBColor(Panel_Colour));
}

void Vertical_Edge(Control& c, int x, int y0, int y1, Pen pen) {
    c.Draw_Line(x, y0, x, y1, QBColor(pen == Pen::Draw ? Frame_Colour : Panel_Colour));
}

void Box(Control& c, int x1, int y1, int x2, int y2, Pen pen) {
    if (pen == Pen::Draw) return Draw_Box(c, x1, y1, x2, y2, QBColor(Frame_Colour));
    Draw_Box(c, x1, y1, x2, y2, QBColor(Panel_Colour));
    Draw_Pixel(c, x1, y1, QBColor(Boundary_Colour));
    Draw_Pixel(c, x2, y1, QBColor(Boundary_Colour));
    Draw_Pixel(c, x1, y2, QBColor(Boundary_Colour));
    Draw_Pixel(c, x2, y2, QBColor(Boundary_Colour));
}

// Frame the cell of prize level v on score strip i.
void Level_Frame(Features_Part& h, int i, int v, Pen pen) {
    const Strip_Rows& s = Strips[i];
    const int x0 = 322 + 24 * (v - 1), x1 = 323 + 24 * v;
    Horizontal_Edge(h, x0, x1, s.Top, pen);
    Horizontal_Edge(h, x0, x1, s.Bottom, pen);
    Vertical_Edge(h.Pic_Score(i), 24 * (v - 1) - 1, 0, Strip_Height, pen);
    if (v == 9)
        Vertical_Edge(h.Pic_Scherm, 538, s.Right_From, s.Right_To, pen);
    else
        Vertical_Edge(h.Pic_Score(i), 24 * v - 1, 0, Strip_Height, pen);
}

// Every frame of the prize that the current red level gives.
void Prize_Frames(Features_Part& h, Pen pen) {
    const Star_Prize p = Star_Prize_For(h.Red_Level);
    // 1. The prize level's cell on each colour strip.
    const Integer levels[4] = {p.Yellow, p.Red, p.White, p.Green};
    for (int i = 0; i < 4; ++i) Level_Frame(h, i, levels[i], pen);
    // 2. Corners or four stars.
    if (p.Corners)
        Box(h.Pic_Scherm, 322, 226, 383, 244, pen);
    else
        Box(h.Pic_Scherm, 322, 249, 383, 267, pen);
    // 3. The fifth or the fourth ball.
    if (p.Fifth_Ball)
        Box(h.Pic_Scherm, 566, 207, 633, 221, pen);
    else
        Box(h.Pic_Scherm, 499, 207, 566, 221, pen);
    // 4. The letters of the lines the prize makes movable.
    for (int k = 0; k <= p.Line_Level - 6; ++k) Box(h.Pic_Scherm, 409 + 18 * k, 207, 427 + 18 * k, 221, pen);
}

}  // namespace

void Features_Part::Sterrenspel(Integer& Result) {
    // 1. No star game armed: lost.
    Result = 0;
    if (!Armed(*this)) return;
    // 2..3. Three of the four star numbers win; with two stars two of them do.
    const int lit = std::popcount(card::Lit_Cells(*this) & card::Star_Cells);
    if (lit >= 3 || (lit >= 2 && Two_Stars_Feature)) Result = -1;
}

void Features_Part::Set_Sterspel_Info() {
    if (Armed(*this)) Prize_Frames(*this, Pen::Draw);
}

void Features_Part::Remove_Sterspel_Info() {
    if (Armed(*this)) Prize_Frames(*this, Pen::Erase);
}

}  // namespace plonk
