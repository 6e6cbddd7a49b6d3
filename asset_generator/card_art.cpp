// The card on the game screen: the main and the extra card of five by five lamps,
// the colour zones drawn as bands along their tracks behind the lamps, and the
// marks of the bonus patterns, the corners and the star cells.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "asset_generator/art.h"
#include "asset_generator/pixel_font.h"
#include "card/card_masks.h"
#include "card/win_kinds.h"

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

// The colour each zone is drawn in.
constexpr int kZone_Colour[card::Zone_Count] = {qb::Yellow, qb::Red, qb::White, qb::Lime};

// The tracks of the two zones of the card whose leftmost column is `c0`, as the card
// paints them: the lines from A to E, then the columns from left to right, then the
// diagonal and the anti-diagonal.
std::vector<Track> Card_Tracks(int c0) {
    std::vector<std::pair<card::Track, int>> zone_tracks;
    for (int z = 0; z < card::Zone_Count; ++z)
        for (const card::Track& t : card::Zone_Tracks(static_cast<card::Zone>(z)))
            if ((t.First % card::Columns >= 5) == (c0 >= 5)) zone_tracks.push_back({t, kZone_Colour[z]});
    std::sort(zone_tracks.begin(), zone_tracks.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.Direction, a.first.First) < std::pair(b.first.Direction, b.first.First);
    });
    std::vector<Track> tracks;
    for (const auto& [t, colour] : zone_tracks) {
        const int last = t.First + 4 * card::Direction_Step[t.Direction];
        tracks.push_back({{t.First / card::Columns, t.First % card::Columns},
                          {last / card::Columns, last % card::Columns},
                          colour});
    }
    return tracks;
}

// The cells of a cell mask, in the card's order.
std::vector<Cell> Cells_Of(uint64_t mask) {
    std::vector<Cell> cells;
    for (int i = 0; i < card::Lines * card::Columns; ++i)
        if (mask >> i & 1u) cells.push_back({i / card::Columns, i % card::Columns});
    return cells;
}

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

    void Card(int c0, const std::string& title, int title_colour) {
        int x0, y0, x1, y1;
        Card_Frame(c0, x0, y0, x1, y1);
        screen_.Fill_Rect(x0, y0, x1, y1, Qb(qb::Black));
        Draw_Text_Centred(screen_, x0, 0, x1, y0 - 1, title, Qb(title_colour), {Font::Normal, true});
        // Straight tracks as bands through the lamp centres, from frame to frame;
        // the diagonals as thinner lines from corner to corner.
        for (const Track& t : Card_Tracks(c0)) {
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
    p.Card(0, "MAIN CARD", qb::Yellow);
    p.Card(5, "EXTRA CARD", qb::Lime);
    for (const Cell& c : Cells_Of(card::Star_Cells)) p.Star(c);
    for (const Cell& c : Cells_Of(card::Corner_Cells)) p.Circle(c, qb::Red);
    for (const Cell& c : Cells_Of(Main_Bonus_Cells | Extra_Bonus_Cells)) p.Circle(c, qb::Magenta);
    p.Card_Edge(0);
    p.Card_Edge(5);
    p.Line_Letters();
}

}  // namespace plonk::assets
