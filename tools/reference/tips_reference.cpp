#include "tools/reference/tips_reference.h"

#include <memory>
#include <vector>

#include "card/win_kinds.h"

namespace plonk::reference {

namespace {

// The eighteen marks a trial may set: every kind's paid marks and the green
// double's use, as the table of win kinds names them.
std::vector<bool Hoofdvenster::*> Trial_Marks() {
    std::vector<bool Hoofdvenster::*> marks;
    for (const Win_Kind_Rule& k : Win_Kinds) {
        for (auto mark : k.Marks)
            if (mark) marks.push_back(mark);
        if (k.Also_Marks) marks.push_back(k.Also_Marks);
    }
    return marks;
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
    return To_Integer(points);
}

bool Lit(Hoofdvenster& h, int line, int column) {
    return h.Hole_State(h.Card_Numbers(h.Line_Pos(line), column, line)) == 1;
}

// Every cell of a pattern (cell line * 10 + column) is lit.
bool All_Lit(Hoofdvenster& h, uint64_t cells) {
    for (int cell = 0; cell < 50; ++cell)
        if ((cells >> cell & 1) && !Lit(h, cell / 10, cell % 10)) return false;
    return true;
}

// A trial ball's values: each kind of the table in its order, a row by its
// evaluator and the increment rule, a card bonus by its five cells.
void Try_Kinds(Hoofdvenster& h, Arr3<Integer, 1, 25, 0, 242, 1, 7>& value, int hole, int code) {
    for (const Win_Kind_Rule& k : Win_Kinds) {
        const int kind = static_cast<int>(k.Kind);
        if (k.Is_Row()) {
            if (k.In_Force && !(h.*k.In_Force)) continue;
            Integer r = 0;
            (h.*k.Evaluator)(r);
            if (r < 3 || r > 5) continue;
            value(hole, code, kind) = Pay(h, h.*k.Level, r, h.*k.Marks[0], h.*k.Marks[1], h.*k.Marks[2]);
            if (k.Also_Marks) h.*k.Also_Marks = true;
        } else if (h.*k.Level == 9 && !(h.*k.Marks[0]) && All_Lit(h, k.Pattern)) {
            value(hole, code, kind) = Saturate16(h.*k.Counter);
            h.*k.Marks[0] = true;
        }
    }
}

}  // namespace

void Reference_Set_Tip(Hoofdvenster& h, std::array<Integer, 26>* hole_scores) {
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
    const std::vector<bool Hoofdvenster::*> marks = Trial_Marks();
    std::vector<bool> saved;
    for (auto mark : marks) saved.push_back(h.*mark);
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
                        h.Line_Pos(0) = To_Integer(a);
                        h.Line_Pos(1) = To_Integer(b);
                        h.Line_Pos(2) = To_Integer(c);
                        h.Line_Pos(3) = To_Integer(d);
                        h.Line_Pos(4) = To_Integer(e);
                        const int code = a + 3 * b + 9 * c + 27 * d + 81 * e;
                        tried[code] = true;
                        for (int hole = 1; hole <= 25; ++hole) {
                            if (h.Hole_State(hole) != 0) continue;
                            h.Hole_State(hole) = 1;
                            Try_Kinds(h, *value, hole, code);
                            h.Hole_State(hole) = 0;
                            for (size_t i = 0; i < marks.size(); ++i) h.*marks[i] = saved[i];
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
                h.Tip_Line_Set = To_Integer(code);
            }
        }
        h.Command1.Enabled = true;
        for (int hole = 1; hole <= 25; ++hole) {
            long s = 0;
            for (int kind = 1; kind <= 7; ++kind) s = Saturate16(s + (*value)(hole, last, kind));
            hole_score[hole] = To_Integer(s);
        }
    } else if (n > 1) {
        h.Command1.Enabled = false;
        for (int hole = 1; hole <= 25; ++hole) {
            long s = 0;
            for (int kind = 1; kind <= 7; ++kind) {
                for (int code = 0; code <= 242; ++code)
                    if (tried[code] && (*value)(hole, code, kind) > (*best)(hole, kind))
                        (*best)(hole, kind) = (*value)(hole, code, kind);
                s = Saturate16(s + (*best)(hole, kind));
            }
            hole_score[hole] = To_Integer(s);
        }
    } else {
        h.Command1.Enabled = false;
        for (int hole = 1; hole <= 25; ++hole) {
            long s = 0;
            for (int kind = 1; kind <= 7; ++kind) s = Saturate16(s + (*value)(hole, last, kind));
            hole_score[hole] = To_Integer(s);
        }
    }
    if (hole_scores) std::copy(std::begin(hole_score), std::end(hole_score), hole_scores->begin());
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
    for (int l = 0; l < 5; ++l) h.Line_Pos(l) = To_Integer(saved_pos[l]);
    h.Calc_Tip.Visible = false;
    h.Refresh();
}

}  // namespace plonk::reference
