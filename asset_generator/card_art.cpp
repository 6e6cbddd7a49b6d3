// The card on the game screen: the main and the extra card of five by five lamps,
// the colour zones drawn as bands along their tracks behind the lamps, and the
// marks of the bonus patterns, the corners and the star cells.
#include <string>
#include <vector>

#include "asset_generator/art.h"
#include "asset_generator/pixel_font.h"

namespace plonk::assets {

namespace {

struct Cell {
    int Line, Column;
};

// One track of a colour zone: five cells in a straight line.
struct Track {
    Cell First, Last;
    int Colour;
};

// The tracks of one card whose leftmost column is `c0`: rows A, C, E and columns
// c0, c0+2, c0+4 in the first colour; rows B, D, columns c0+1, c0+3 and both
// diagonals in the second.
std::vector<Track> Card_Tracks(int c0, int first, int second) {
    std::vector<Track> tracks;
    for (int line = 0; line <= 4; ++line)
        tracks.push_back({{line, c0}, {line, c0 + 4}, line % 2 == 0 ? first : second});
    for (int col = 0; col <= 4; ++col)
        tracks.push_back({{0, c0 + col}, {4, c0 + col}, col % 2 == 0 ? first : second});
    tracks.push_back({{0, c0}, {4, c0 + 4}, second});
    tracks.push_back({{0, c0 + 4}, {4, c0}, second});
    return tracks;
}

const Cell kBonusCells[] = {{0, 2}, {2, 0}, {2, 2}, {2, 4}, {4, 2}, {0, 5}, {0, 9}, {2, 7}, {4, 5}, {4, 9}};
const Cell kCornerCells[] = {{0, 0}, {0, 4}, {4, 0}, {4, 4}};
const Cell kStarCells[] = {{0, 7}, {2, 5}, {2, 9}, {4, 7}};

class Card_Painter {
public:
    Card_Painter(Canvas& screen, const Hoofdvenster& machine) : screen_(screen), machine_(machine) {}

    const Control& Lamp(const Cell& c) const { return machine_.Lites(c.Line * 10 + c.Column); }
    int Centre_X(const Cell& c) const { return Lamp(c).Left + Lamp(c).Width / 2; }
    int Centre_Y(const Cell& c) const { return Lamp(c).Top + Lamp(c).Height / 2; }

    // The frame of the card whose leftmost column is c0, four pixels around its lamps.
    void Card_Frame(int c0, int& x0, int& y0, int& x1, int& y1) const {
        const Control& top_left = Lamp({0, c0});
        const Control& bottom_right = Lamp({4, c0 + 4});
        x0 = top_left.Left - 4;
        y0 = top_left.Top - 4;
        x1 = bottom_right.Left + bottom_right.Width + 3;
        y1 = bottom_right.Top + bottom_right.Height + 3;
    }

    void Card(int c0, int first, int second, const std::string& title, int title_colour) {
        int x0, y0, x1, y1;
        Card_Frame(c0, x0, y0, x1, y1);
        screen_.Fill_Rect(x0, y0, x1, y1, Qb(qb::Black));
        Draw_Text_Centred(screen_, x0, 0, x1, y0 - 1, title, Qb(title_colour), {Font::Normal, true});
        // Straight tracks as bands through the lamp centres, from frame to frame;
        // the diagonals as thinner lines from corner to corner.
        for (const Track& t : Card_Tracks(c0, first, second)) {
            const Colour c = Qb(t.Colour);
            if (t.First.Line == t.Last.Line) {
                const int y = Centre_Y(t.First);
                screen_.Fill_Rect(x0 + 1, y - 2, x1 - 1, y + 2, c);
            } else if (t.First.Column == t.Last.Column) {
                const int x = Centre_X(t.First);
                screen_.Fill_Rect(x - 2, y0 + 1, x + 2, y1 - 1, c);
            } else if (t.First.Column < t.Last.Column) {
                screen_.Line(x0 + 1, y0 + 1, x1 - 1, y1 - 1, c, 3);
            } else {
                screen_.Line(x1 - 1, y0 + 1, x0 + 1, y1 - 1, c, 3);
            }
        }
    }

    // The frame last, so that it trims whatever reaches beyond the card.
    void Card_Edge(int c0) {
        int x0, y0, x1, y1;
        Card_Frame(c0, x0, y0, x1, y1);
        screen_.Frame(x0, y0, x1, y1, Qb(qb::Silver));
    }

    void Circle(const Cell& c, int colour) {
        const double cx = Lamp(c).Left + Lamp(c).Width / 2.0, cy = Lamp(c).Top + Lamp(c).Height / 2.0;
        screen_.Ring(cx, cy, 11.5, 13.5, Qb(colour));
    }

    // A star around the lamp, trimmed to the inside of its card.
    void Star(const Cell& c) {
        int x0, y0, x1, y1;
        Card_Frame(c.Column < 5 ? 0 : 5, x0, y0, x1, y1);
        Canvas inside(x1 - x0 - 1, y1 - y0 - 1);
        const double cx = Lamp(c).Left + Lamp(c).Width / 2.0, cy = Lamp(c).Top + Lamp(c).Height / 2.0;
        inside.Star(cx - (x0 + 1), cy + 1 - (y0 + 1), 17, 11.5, 5, Qb(qb::Yellow));
        screen_.Paste(inside, x0 + 1, y0 + 1);
    }

    // The line letters between the two cards.
    void Line_Letters() {
        const int x0 = Lamp({0, 4}).Left + Lamp({0, 4}).Width;
        const int x1 = Lamp({0, 5}).Left - 1;
        for (int line = 0; line <= 4; ++line) {
            const int y = Lamp({line, 0}).Top;
            Draw_Text_Centred(screen_, x0, y, x1, y + Lamp({line, 0}).Height - 1, std::string(1, 'A' + line),
                              Qb(qb::White));
        }
    }

private:
    Canvas& screen_;
    const Hoofdvenster& machine_;
};

}  // namespace

void Paint_Card(Canvas& screen, const Hoofdvenster& machine) {
    Card_Painter p(screen, machine);
    p.Card(0, qb::Yellow, qb::Red, "MAIN CARD", qb::Yellow);
    p.Card(5, qb::White, qb::Lime, "EXTRA CARD", qb::Lime);
    for (const Cell& c : kStarCells) p.Star(c);
    for (const Cell& c : kCornerCells) p.Circle(c, qb::Red);
    for (const Cell& c : kBonusCells) p.Circle(c, qb::Magenta);
    p.Card_Edge(0);
    p.Card_Edge(5);
    p.Line_Letters();
}

}  // namespace plonk::assets
