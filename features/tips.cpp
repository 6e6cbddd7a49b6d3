// Tips: the best holes and the best line setting. Every trial works on bit masks of
// the card, so the search writes nothing into the record and touches no control.
#include <array>

#include "card/card_masks.h"
#include "features/tip_scoring.h"

namespace plonk {

namespace {

// What the trials need of the record, read once: for each row kind in force its
// zone, the cells that can change its answer, its level, marks and pattern; and for
// each card bonus whether it is open, its cells and its points.
struct Trial_Rules {
    struct Row {
        Win_Kind Kind;
        card::Zone Zone;
        uint64_t Cells;
        Integer Level;
        card::Paid_Marks Marks;
        uint64_t Pattern;
    };
    struct Bonus {
        Win_Kind Kind;
        uint64_t Cells;
        Integer Points;
    };
    std::array<Row, Win_Kind_Count> Rows{};
    int Row_Count = 0;
    std::array<Bonus, Win_Kind_Count> Bonuses{};
    int Bonus_Count = 0;
};

Trial_Rules Read_Rules(const Hoofdvenster& h) {
    Trial_Rules t;
    for (const Win_Kind_Rule& k : Win_Kinds) {
        if (k.Is_Row() && In_Force(h, k)) {
            const uint64_t pattern = Pattern_Now(h, k);
            t.Rows[t.Row_Count++] = {
                k.Kind,     k.Zone,          card::Zone_Cells[static_cast<int>(k.Zone)] | pattern,
                h.*k.Level, Marks_Now(h, k), pattern};
        }
        // An open card bonus is worth its counter, held within 16 bits.
        if (!k.Is_Row() && Bonus_Open(h, k.Kind))
            t.Bonuses[t.Bonus_Count++] = {k.Kind, k.Pattern, Saturate16(h.*k.Counter)};
    }
    return t;
}

// What each row kind answers with the lit cells of one setting, before any trial.
using Row_Counts = std::array<int, Win_Kind_Count>;

Row_Counts Counts_Without_Trial(const Trial_Rules& t, uint64_t lit) {
    Row_Counts counts{};
    const card::Row_Runs runs = card::Runs_Of(lit);
    for (int i = 0; i < t.Row_Count; ++i) {
        const Trial_Rules::Row& r = t.Rows[i];
        counts[i] = card::Zone_Result(runs, r.Zone, r.Marks, r.Pattern);
    }
    return counts;
}

// The values of one trial ball lighting `cells` on the card `lit`: what each kind
// would pay, the paid marks as they were before the trial. A kind none of whose
// cells the ball lights answers as without it.
void Trial(const Hoofdvenster& h, const Trial_Rules& t, uint64_t lit, uint64_t cells,
           const Row_Counts& without, Tip_Values& values, int hole, int code) {
    lit |= cells;
    card::Row_Runs runs;
    bool have_runs = false;
    for (int i = 0; i < t.Row_Count; ++i) {
        const Trial_Rules::Row& r = t.Rows[i];
        int count = without[i];
        if ((cells & r.Cells) != 0) {
            if (!have_runs) runs = card::Runs_Of(lit), have_runs = true;
            count = card::Zone_Result(runs, r.Zone, r.Marks, r.Pattern);
        }
        if (count == 0) continue;
        bool got3 = r.Marks.Got3, got4 = r.Marks.Got4, got5 = r.Marks.Got5;
        values(hole, code, r.Kind) = Increment_Points(h, r.Level, To_Integer(count), got3, got4, got5);
    }
    for (int i = 0; i < t.Bonus_Count; ++i) {
        const Trial_Rules::Bonus& b = t.Bonuses[i];
        if ((lit & b.Cells) == b.Cells) values(hole, code, b.Kind) = b.Points;
    }
}

}  // namespace

void Hoofdvenster::Set_Tip() {
    // 1. Tips off, or no ball left: no markers and nothing to set the lines to.
    if (Check1.Value != 1 || Balls_Played == 10) {
        Command1.Enabled = false;
        for (int i = 0; i <= 2; ++i) Tip(i).Visible = false;
        return;
    }
    // 2. "One moment please ..."
    Calc_Tip.Visible = true;
    Refresh();
    // 3..4. An empty table; the settings to try, as the automatic scan tries them.
    Tip_Values values;
    std::array<bool, Line_Set_Codes> tried{};
    const Trial_Rules rules = Read_Rules(*this);
    const Line_Ranges r = Search_Ranges(*this);
    // 5. Every setting, line A outermost and line E innermost, and in each a trial
    //    ball in every unlit hole.
    const card::Lit_Rings rings = card::Rings_Of_Holes(card::Hole_Bits(*this));
    For_Each_Setting(r, [&](const card::Line_Positions& pos, int code) {
        tried[code] = true;
        const uint64_t lit = card::Lit_Cells(rings, pos);
        const Row_Counts without = Counts_Without_Trial(rules, lit);
        for (int hole = 1; hole <= 25; ++hole)
            if (Hole_State(hole) == 0)
                Trial(*this, rules, lit, card::Hole_Cells(hole, pos), without, values, hole, code);
    });
    // 6..8. Score and rank the holes; on the last ball before the lines freeze, the
    //       best setting is offered.
    const Tip_Result result = Score_Tips(values, tried, Last_Ball_Before_Freeze(*this));
    Tip_Line_Set = result.Line_Set;
    Command1.Enabled = result.Set_Lines;
    // 9. The markers over the best three holes that score.
    for (int i = 0; i <= 2; ++i) {
        Tip(i).Visible = false;
        const Tip_Place& p = result.Top[i];
        if (p.Score > 0) {
            Tip(i).Left = Hole_X(p.Hole);
            Tip(i).Top = Hole_Y(p.Hole);
            Tip(i).Visible = true;
        }
    }
    // 10. The lines never moved; the panel goes.
    Calc_Tip.Visible = false;
    Refresh();
}

}  // namespace plonk
