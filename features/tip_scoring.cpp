#include "features/tip_scoring.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <span>

namespace plonk {

namespace {

// Every hole's score at one code: its values of every kind, kind by kind, a 16-bit
// sum held within its range. A kind adds to the holes of its sets only, since a
// value of 0 leaves a sum as it is.
void Score_At(const Tip_Values& values, int code, Tip_Result& r) {
    for (const Win_Kind_Rule& k : Win_Kinds) {
        uint32_t seen = 0;
        for (int count = 5; count >= 3; --count) {
            const uint32_t holes = values.Holes(code, k.Kind, count) & ~seen;
            seen |= holes;
            const Integer amount = values.Amount(k.Kind, count);
            for (uint32_t bits = holes & 0x3FFFFFEu; bits != 0; bits &= bits - 1) {
                Integer& s = r.Hole_Score[static_cast<size_t>(std::countr_zero(bits))];
                s = Add16(s, amount);
            }
        }
    }
}

// How many holes a mask holds, without a call into the compiler's library.
int Holes_In(uint32_t holes) {
    holes = holes - ((holes >> 1) & 0x55555555u);
    holes = (holes & 0x33333333u) + ((holes >> 2) & 0x33333333u);
    return static_cast<int>((((holes + (holes >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
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
        // Eight codes at a time while none of them was tried: most searches try few.
        uint64_t eight = 1;
        if (c % 8 == 0 && c + 8 <= Line_Set_Codes) std::memcpy(&eight, &tried[static_cast<size_t>(c)], 8);
        if (eight == 0) {
            c += 7;
            continue;
        }
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
            const auto& paid = values.Paid_At(c);
            long total = 0;
            for (const Win_Kind_Rule& k : Win_Kinds)
                for (int count = 3; count <= 5; ++count)
                    if (const uint32_t holes = paid[Tip_Values::Kind(k.Kind)][static_cast<size_t>(count - 3)])
                        total += long{values.Amount(k.Kind, count)} * Holes_In(holes);
            if (total > best_total) {
                best_total = total;
                last = c;
                r.Line_Set = To_Integer(c);
            }
        }
        r.Set_Lines = true;
        Score_At(values, last, r);
    } else if (n > 1) {
        // 3. Earlier balls: each kind counts at its own best setting, the best of the
        //    amounts a hole's ball makes at any setting (nothing counts as 0).
        std::array<std::array<Integer, Win_Kind_Count>, 26> best{};
        // Per kind and count, the holes whose ball makes it at any valued code.
        std::array<Tip_Values::By_Count, Win_Kind_Count> anywhere_at{};
        for (int c : valued_codes) {
            const auto& paid = values.Paid_At(c);
            for (size_t kind = 0; kind < anywhere_at.size(); ++kind)
                for (size_t i = 0; i < 3; ++i) anywhere_at[kind][i] |= paid[kind][i];
        }
        for (const Win_Kind_Rule& k : Win_Kinds) {
            const size_t kind = static_cast<size_t>(k.Kind) - 1;
            for (int count = 3; count <= 5; ++count) {
                uint32_t anywhere = anywhere_at[kind][static_cast<size_t>(count - 3)];
                const Integer amount = values.Amount(k.Kind, count);
                for (; anywhere != 0; anywhere &= anywhere - 1) {
                    Integer& b = best[static_cast<size_t>(std::countr_zero(anywhere))][kind];
                    b = std::max(b, amount);
                }
            }
        }
        for (int hole = 1; hole <= 25; ++hole) {
            Integer score = 0;
            for (const Integer b : best[static_cast<size_t>(hole)]) score = Add16(score, b);
            r.Hole_Score[hole] = score;
        }
    } else {
        // 4. One setting only.
        Score_At(values, last, r);
    }
    Rank(r);
    return r;
}

}  // namespace plonk
