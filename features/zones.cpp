#include "features/zones.h"

#include "card/lines.h"

namespace plonk {

Integer Increment_Points(const Features_Part& h, Integer level, Integer count, bool& got3, bool& got4,
                         bool& got5) {
    // 1. What this zone already paid: the value of its longest paid row.
    Integer before = 0;
    if (got4)
        before = h.Odds_Table(level, 4);
    else if (got3)
        before = h.Odds_Table(level, 3);
    // 2. The new row pays its value less that, and every shorter count counts as paid.
    const Integer points = To_Integer(h.Odds_Table(level, count) - before);
    got3 = true;
    if (count >= 4) got4 = true;
    if (count >= 5) got5 = true;
    return points;
}

Integer Pay_Row(Features_Part& h, Win_Kind kind, Integer count) {
    const Win_Kind_Rule& k = Rule_Of(kind);
    const Integer points =
        Increment_Points(h, h.*k.Level, count, h.*k.Marks[0], h.*k.Marks[1], h.*k.Marks[2]);
    if (k.Also_Marks) h.*k.Also_Marks = true;
    return points;
}

bool Bonus_Open(const Features_Part& h, Win_Kind kind) {
    const Win_Kind_Rule& k = Rule_Of(kind);
    return h.*k.Level == h.Top_Zone_Level && !(h.*k.Marks[0]);
}

bool Bonus_Won(const Features_Part& h, Win_Kind kind, uint64_t lit) {
    const uint64_t cells = Rule_Of(kind).Pattern;
    return Bonus_Open(h, kind) && (lit & cells) == cells;
}

int Line_Ranges::Settings() const {
    int n = 1;
    for (int l = 0; l < 5; ++l) n *= High[l] - Low[l] + 1;
    return n;
}

Line_Ranges Search_Ranges(const Features_Part& h) {
    Line_Ranges r{};
    if (!card::Before_Freeze(h)) {
        // 1. The lines are frozen: only the present setting, which must be one.
        for (int l = 0; l < 5; ++l) {
            const int p = h.Line_Pos(l);
            if (p < 0 || p >= card::Positions) throw Subscript_Out_Of_Range("line position out of range");
            r.Low[l] = r.High[l] = p;
        }
        return r;
    }
    // 2. Level 7 frees lines A and B, 8 also C, 9 also D, 10 all five; every other
    //    line, and every line at any other level, is held at its rest position.
    for (int l = 0; l < 5; ++l) {
        const bool free = card::Line_May_Move(h, l, card::Line_Move::Search);
        r.Low[l] = free ? 0 : 1;
        r.High[l] = free ? 2 : 1;
    }
    return r;
}

}  // namespace plonk
