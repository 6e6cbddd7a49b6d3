#include "features/tip_scoring.h"

#include <algorithm>
#include <span>

namespace plonk {

namespace {

// A hole's score at one code: its values of every kind, a 16-bit sum held within
// its range.
Integer Sum_Of_Kinds(const Tip_Values& values, int hole, int code) {
    Integer s = 0;
    for (const Win_Kind_Rule& k : Win_Kinds) s = Add16(s, values(hole, code, k.Kind));
    return s;
}

// Rank the holes: a strictly higher score pushes the lower places down, so on equal
// scores the lower hole number stays ahead.
void Rank(Tip_Result& r) {
    for (int hole = 1; hole <= 25; ++hole) {
        const Tip_Place p{r.Hole_Score[hole], hole};
        if (p.Score > r.Top[0].Score) {
            r.Top[2] = r.Top[1];
            r.Top[1] = r.Top[0];
            r.Top[0] = p;
        } else if (p.Score > r.Top[1].Score) {
            r.Top[2] = r.Top[1];
            r.Top[1] = p;
        } else if (p.Score > r.Top[2].Score) {
            r.Top[2] = p;
        }
    }
}

}  // namespace

Tip_Result Score_Tips(const Tip_Values& values, const std::array<bool, Line_Set_Codes>& tried,
                      bool last_ball) {
    Tip_Result r;
    // 1. How many codes were tried, and the highest of them; and, in ascending order,
    //    the tried codes that were given any value (every other one totals 0).
    std::array<int, Line_Set_Codes> codes;
    int n = 0, last = 0, valued = 0;
    for (int c = 0; c < Line_Set_Codes; ++c) {
        if (!tried[c]) continue;
        ++n, last = c;
        if (values.Has(c)) codes[valued++] = c;
    }
    const std::span<const int> valued_codes(codes.data(), static_cast<size_t>(valued));
    if (n > 1 && last_ball) {
        // 2. The last ball before the lines freeze: the setting with the largest total
        //    wins (the lowest code among equals), and the holes score there.
        long best_total = 0;
        for (int c : valued_codes) {
            long total = 0;
            for (int hole = 1; hole <= 25; ++hole)
                for (const Win_Kind_Rule& k : Win_Kinds) total += values(hole, c, k.Kind);
            if (total > best_total) {
                best_total = total;
                last = c;
                r.Line_Set = To_Integer(c);
            }
        }
        r.Set_Lines = true;
        for (int hole = 1; hole <= 25; ++hole) r.Hole_Score[hole] = Sum_Of_Kinds(values, hole, last);
    } else if (n > 1) {
        // 3. Earlier balls: each kind counts at its own best setting.
        for (int hole = 1; hole <= 25; ++hole) {
            Integer score = 0;
            for (const Win_Kind_Rule& k : Win_Kinds) {
                Integer best = 0;
                for (int c : valued_codes) best = std::max(best, values(hole, c, k.Kind));
                score = Add16(score, best);
            }
            r.Hole_Score[hole] = score;
        }
    } else {
        // 4. One setting only.
        for (int hole = 1; hole <= 25; ++hole) r.Hole_Score[hole] = Sum_Of_Kinds(values, hole, last);
    }
    Rank(r);
    return r;
}

}  // namespace plonk
