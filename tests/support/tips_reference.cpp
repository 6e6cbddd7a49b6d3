#include "support/tips_reference.h"

#include <memory>

namespace plonk::test {

namespace {

struct Saved_Marks {
    bool v[18];
};

bool* Mark(Hoofdvenster& h, int i) {
    bool* marks[18] = {&h.Yellow_Got3,      &h.Yellow_Got4,      &h.Yellow_Got5, &h.Red_Got3,
                       &h.Red_Got4,         &h.Red_Got5,         &h.White_Got3,  &h.White_Got4,
                       &h.White_Got5,       &h.Green_Got3,       &h.Green_Got4,  &h.Green_Got5,
                       &h.Double_Got3,      &h.Double_Got4,      &h.Double_Got5, &h.Main_Bonus_Paid,
                       &h.Extra_Bonus_Paid, &h.Green_Double_Used};
    return marks[i];
}

Saved_Marks Save(Hoofdvenster& h) {
    Saved_Marks s{};
    for (int i = 0; i < 18; ++i) s.v[i] = *Mark(h, i);
    return s;
}

void Restore(Hoofdvenster& h, const Saved_Marks& s) {
    for (int i = 0; i < 18; ++i) *Mark(h, i) = s.v[i];
}

// The increment rule as a table of cases.
Integer Pay(const Hoofdvenster& h, int level, Integer count, bool& g3, bool& g4, bool& g5) {
    const int v3 = h.Odds_Table(level, 3), v4 = h.Odds_Table(level, 4), v5 = h.Odds_Table(level, 5);
    int points = 0;
    if (count == 3) {
        points = v3;
    } else if (count == 4) {
        points = g3 ? v4 - v3 : v4;
    } else {
        points = g4 ? v5 - v4 : g3 ? v5 - v3 : v5;
    }
    g3 = true;
    g4 = g4 || count >= 4;
    g5 = g5 || count == 5;
    return static_cast<Integer>(points);
}

bool Lit(Hoofdvenster& h, int line, int column) {
    return h.Hole_State(h.Card_Numbers(h.Line_Pos(line), column, line)) == 1;
}

Integer Clamp16(long v) { return static_cast<Integer>(v > 32767 ? 32767 : v < -32768 ? -32768 : v); }

}  // namespace

void Reference_Set_Tip(Hoofdvenster& h) {
    // 1.
    if (h.Check1.Value != 1 || h.Balls_Played == 10) {
        h.Command1.Enabled = false;
        for (int i = 0; i <= 2; ++i) h.Tip(i).Visible = false;
        return;
    }
    // 2.
    h.Calc_Tip.Visible = true;
    h.Refresh();
    // 3.
    int saved_pos[5];
    for (int l = 0; l < 5; ++l) saved_pos[l] = h.Line_Pos(l);
    const Saved_Marks saved = Save(h);
    Integer top_score[3] = {0, 0, 0};
    int top_hole[3] = {0, 0, 0};
    Integer hole_score[26] = {};
    bool tried[243] = {};
    auto value = std::make_unique<Arr3<Integer, 1, 25, 0, 242, 1, 7>>();
    auto best = std::make_unique<Arr2<Integer, 1, 25, 1, 7>>();
    // 4.
    int lo[5], hi[5];
    const bool movable = h.Fifth_Ball ? h.Balls_Played <= 4 : h.Balls_Played <= 3;
    for (int l = 0; l < 5; ++l) {
        if (!movable) {
            lo[l] = hi[l] = h.Line_Pos(l);
        } else if (h.Line_Level >= 7 && h.Line_Level <= 10 && l <= h.Line_Level - 6) {
            lo[l] = 0;
            hi[l] = 2;
        } else {
            lo[l] = hi[l] = 1;
        }
    }
    // 5.
    for (int a = lo[0]; a <= hi[0]; ++a)
        for (int b = lo[1]; b <= hi[1]; ++b)
            for (int c = lo[2]; c <= hi[2]; ++c)
                for (int d = lo[3]; d <= hi[3]; ++d)
                    for (int e = lo[4]; e <= hi[4]; ++e) {
                        h.Line_Pos(0) = static_cast<Integer>(a);
                        h.Line_Pos(1) = static_cast<Integer>(b);
                        h.Line_Pos(2) = static_cast<Integer>(c);
                        h.Line_Pos(3) = static_cast<Integer>(d);
                        h.Line_Pos(4) = static_cast<Integer>(e);
                        const int code = a + 3 * b + 9 * c + 27 * d + 81 * e;
                        tried[code] = true;
                        for (int hole = 1; hole <= 25; ++hole) {
                            if (h.Hole_State(hole) != 0) continue;
                            h.Hole_State(hole) = 1;
                            Integer r = 0;
                            h.Geel_Op_Rij(r);
                            if (r >= 3 && r <= 5)
                                (*value)(hole, code, 1) =
                                    Pay(h, h.Yellow_Level, r, h.Yellow_Got3, h.Yellow_Got4, h.Yellow_Got5);
                            h.Rood_Op_Rij(r);
                            if (r >= 3 && r <= 5)
                                (*value)(hole, code, 2) =
                                    Pay(h, h.Red_Level, r, h.Red_Got3, h.Red_Got4, h.Red_Got5);
                            h.Wit_Op_Rij(r);
                            if (r >= 3 && r <= 5)
                                (*value)(hole, code, 3) =
                                    Pay(h, h.White_Level, r, h.White_Got3, h.White_Got4, h.White_Got5);
                            h.Groen_Op_Rij(r);
                            if (r >= 3 && r <= 5)
                                (*value)(hole, code, 4) =
                                    Pay(h, h.Green_Level, r, h.Green_Got3, h.Green_Got4, h.Green_Got5);
                            if (h.Green_Double_Active) {
                                h.Groen_Op_Rij_Dubbel(r);
                                if (r >= 3 && r <= 5) {
                                    (*value)(hole, code, 5) =
                                        Pay(h, h.Green_Level, r, h.Double_Got3, h.Double_Got4, h.Double_Got5);
                                    h.Green_Double_Used = true;
                                }
                            }
                            if (h.Red_Level == 9 && !h.Main_Bonus_Paid && Lit(h, 0, 2) && Lit(h, 2, 0) &&
                                Lit(h, 2, 2) && Lit(h, 2, 4) && Lit(h, 4, 2)) {
                                (*value)(hole, code, 6) = Clamp16(h.Main_Bonus);
                                h.Main_Bonus_Paid = true;
                            }
                            if (h.Green_Level == 9 && !h.Extra_Bonus_Paid && Lit(h, 0, 5) && Lit(h, 0, 9) &&
                                Lit(h, 2, 7) && Lit(h, 4, 5) && Lit(h, 4, 9)) {
                                (*value)(hole, code, 7) = Clamp16(h.Extra_Bonus);
                                h.Extra_Bonus_Paid = true;
                            }
                            h.Hole_State(hole) = 0;
                            Restore(h, saved);
                        }
                    }
    // 6.
    int n = 0, last = 0;
    for (int code = 0; code <= 242; ++code)
        if (tried[code]) {
            ++n;
            last = code;
        }
    h.Tip_Line_Set = -1;
    // 7.
    const bool last_ball = h.Fifth_Ball ? h.Balls_Played == 4 : h.Balls_Played == 3;
    if (n > 1 && last_ball) {
        long best_total = 0;
        for (int code = 0; code <= 242; ++code) {
            if (!tried[code]) continue;
            long total = 0;
            for (int hole = 1; hole <= 25; ++hole)
                for (int kind = 1; kind <= 7; ++kind) total += (*value)(hole, code, kind);
            if (total > best_total) {
                best_total = total;
                last = code;
                h.Tip_Line_Set = static_cast<Integer>(code);
            }
        }
        h.Command1.Enabled = true;
        for (int hole = 1; hole <= 25; ++hole) {
            long s = 0;
            for (int kind = 1; kind <= 7; ++kind) s = Clamp16(s + (*value)(hole, last, kind));
            hole_score[hole] = static_cast<Integer>(s);
        }
    } else if (n > 1) {
        h.Command1.Enabled = false;
        for (int hole = 1; hole <= 25; ++hole) {
            long s = 0;
            for (int kind = 1; kind <= 7; ++kind) {
                for (int code = 0; code <= 242; ++code)
                    if (tried[code] && (*value)(hole, code, kind) > (*best)(hole, kind))
                        (*best)(hole, kind) = (*value)(hole, code, kind);
                s = Clamp16(s + (*best)(hole, kind));
            }
            hole_score[hole] = static_cast<Integer>(s);
        }
    } else {
        h.Command1.Enabled = false;
        for (int hole = 1; hole <= 25; ++hole) {
            long s = 0;
            for (int kind = 1; kind <= 7; ++kind) s = Clamp16(s + (*value)(hole, last, kind));
            hole_score[hole] = static_cast<Integer>(s);
        }
    }
    // 8.
    for (int hole = 1; hole <= 25; ++hole) {
        const Integer s = hole_score[hole];
        if (s > top_score[0]) {
            top_score[2] = top_score[1], top_hole[2] = top_hole[1];
            top_score[1] = top_score[0], top_hole[1] = top_hole[0];
            top_score[0] = s, top_hole[0] = hole;
        } else if (s > top_score[1]) {
            top_score[2] = top_score[1], top_hole[2] = top_hole[1];
            top_score[1] = s, top_hole[1] = hole;
        } else if (s > top_score[2]) {
            top_score[2] = s, top_hole[2] = hole;
        }
    }
    // 9.
    for (int i = 0; i <= 2; ++i) {
        h.Tip(i).Visible = false;
        if (top_score[i] > 0) {
            h.Tip(i).Left = h.Hole_X(top_hole[i]);
            h.Tip(i).Top = h.Hole_Y(top_hole[i]);
            h.Tip(i).Visible = true;
        }
    }
    // 10.
    for (int l = 0; l < 5; ++l) h.Line_Pos(l) = static_cast<Integer>(saved_pos[l]);
    h.Calc_Tip.Visible = false;
    h.Refresh();
}

}  // namespace plonk::test
