#include "features/zones.h"

#include <limits>

namespace plonk {

Zone_Flags Marks_Of(Hoofdvenster& h, int kind) {
    switch (kind) {
        case Kind_Yellow:
            return {&h.Yellow_Got3, &h.Yellow_Got4, &h.Yellow_Got5};
        case Kind_Red:
            return {&h.Red_Got3, &h.Red_Got4, &h.Red_Got5};
        case Kind_White:
            return {&h.White_Got3, &h.White_Got4, &h.White_Got5};
        case Kind_Green:
            return {&h.Green_Got3, &h.Green_Got4, &h.Green_Got5};
        default:
            return {&h.Double_Got3, &h.Double_Got4, &h.Double_Got5};
    }
}

Integer Level_Of(const Hoofdvenster& h, int kind) {
    switch (kind) {
        case Kind_Yellow:
            return h.Yellow_Level;
        case Kind_Red:
            return h.Red_Level;
        case Kind_White:
            return h.White_Level;
        default:
            return h.Green_Level;
    }
}

Integer Evaluate_Row(const Hoofdvenster& h, int kind) {
    Integer result = 0;
    switch (kind) {
        case Kind_Yellow:
            h.Geel_Op_Rij(result);
            break;
        case Kind_Red:
            h.Rood_Op_Rij(result);
            break;
        case Kind_White:
            h.Wit_Op_Rij(result);
            break;
        case Kind_Green:
            h.Groen_Op_Rij(result);
            break;
        default:
            h.Groen_Op_Rij_Dubbel(result);
            break;
    }
    return result;
}

Integer Increment_Points(const Hoofdvenster& h, Integer level, Integer count, bool& got3, bool& got4,
                         bool& got5) {
    // 1. What this zone already paid: the value of its longest paid row.
    Integer before = 0;
    if (got4)
        before = h.Odds_Table(level, 4);
    else if (got3)
        before = h.Odds_Table(level, 3);
    // 2. The new row pays its value less that, and every shorter count counts as paid.
    const Integer points = static_cast<Integer>(h.Odds_Table(level, count) - before);
    got3 = true;
    if (count >= 4) got4 = true;
    if (count >= 5) got5 = true;
    return points;
}

bool Bonus_Won(const Hoofdvenster& h, int kind, uint64_t lit) {
    if (kind == Kind_Main_Bonus)
        return h.Red_Level == 9 && !h.Main_Bonus_Paid && (lit & Main_Bonus_Cells) == Main_Bonus_Cells;
    return h.Green_Level == 9 && !h.Extra_Bonus_Paid && (lit & Extra_Bonus_Cells) == Extra_Bonus_Cells;
}

Integer Bonus_Points(Long bonus) {
    // A counter beyond the 16-bit range counts as the largest 16-bit value rather
    // than wrapping round to a wrong (even negative) score.
    if (bonus > std::numeric_limits<Integer>::max()) return std::numeric_limits<Integer>::max();
    if (bonus < std::numeric_limits<Integer>::min()) return std::numeric_limits<Integer>::min();
    return static_cast<Integer>(bonus);
}

bool Lines_Movable(const Hoofdvenster& h) { return h.Fifth_Ball ? h.Balls_Played <= 4 : h.Balls_Played <= 3; }

bool Last_Ball_Before_Freeze(const Hoofdvenster& h) {
    return h.Fifth_Ball ? h.Balls_Played == 4 : h.Balls_Played == 3;
}

int Line_Ranges::Settings() const {
    int n = 1;
    for (int l = 0; l < 5; ++l) n *= High[l] - Low[l] + 1;
    return n;
}

Line_Ranges Search_Ranges(const Hoofdvenster& h) {
    Line_Ranges r{};
    if (!Lines_Movable(h)) {
        // 1. The lines are frozen: only the present setting.
        for (int l = 0; l < 5; ++l) r.Low[l] = r.High[l] = h.Line_Pos(l);
        return r;
    }
    // 2. Level 7 frees lines A and B, 8 also C, 9 also D, 10 all five; every other
    //    line, and every line at any other level, is held at its rest position.
    const int free_lines = (h.Line_Level >= 7 && h.Line_Level <= 10) ? h.Line_Level - 5 : 0;
    for (int l = 0; l < 5; ++l) {
        r.Low[l] = l < free_lines ? 0 : 1;
        r.High[l] = l < free_lines ? 2 : 1;
    }
    return r;
}

}  // namespace plonk
