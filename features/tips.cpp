// Tips: the best holes and the best line setting. Every trial works on bit masks of
// the card, so the search writes nothing into the record and touches no control.
#include <algorithm>
#include <array>

#include "card/card_masks.h"
#include "card/lines.h"
#include "card/zone_rows.h"
#include "features/tip_scoring.h"

namespace plonk {

namespace {

// What the trials need of the record, read once: for each row kind in force its
// zone, level, marks and pattern; and for each card bonus whether it is open, its
// cells and its points.
struct Trial_Rules {
    struct Row {
        Win_Kind Kind;
        card::Zone Zone;
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

Trial_Rules Read_Rules(const Features_Part& h) {
    Trial_Rules t;
    for (const Win_Kind_Rule& k : Win_Kinds) {
        if (k.Is_Row() && In_Force(h, k)) {
            t.Rows[t.Row_Count++] = {k.Kind, k.Zone, h.*k.Level, Marks_Now(h, k), Pattern_Now(h, k)};
        }
        // An open card bonus is worth its counter, held within 16 bits.
        if (!k.Is_Row() && Bonus_Open(h, k.Kind))
            t.Bonuses[t.Bonus_Count++] = {k.Kind, k.Pattern, Saturate16(h.*k.Counter)};
    }
    return t;
}

// The trials of one setting: with the lit cells `lit`, a trial ball in every unlit
// hole, what each kind would pay, the paid marks as they were before the trial.
void Trials(const Features_Part& h, const Trial_Rules& t, const card::Line_Positions& pos, uint64_t lit,
            Tip_Values& values, int code) {
    // 1. What one more ball could complete in each kind's zone and pattern.
    const card::Cell_Holes shown = card::Holes_Shown(pos);
    std::array<card::Row_Reach, card::Zone_Count> zones;
    std::array<bool, card::Zone_Count> zone_done{};
    std::array<card::Row_Reach, Win_Kind_Count> patterns{};
    for (int i = 0; i < t.Row_Count; ++i) {
        const Trial_Rules::Row& r = t.Rows[i];
        const int z = static_cast<int>(r.Zone);
        if (!zone_done[z]) zones[z] = card::Zone_Reach(r.Zone, lit, shown), zone_done[z] = true;
        if (r.Pattern != 0) patterns[i].Add(lit, shown, r.Pattern, 5);
    }
    // 2. Each trial ball.
    for (int hole = 1; hole <= 25; ++hole) {
        if (h.Hole_State(hole) != 0) continue;
        for (int i = 0; i < t.Row_Count; ++i) {
            const Trial_Rules::Row& r = t.Rows[i];
            const int longest =
                std::max(zones[static_cast<int>(r.Zone)].Longest_With(hole), patterns[i].Longest_With(hole));
            const int count = card::Zone_Answer(longest, r.Marks);
            if (count == 0) continue;
            bool got3 = r.Marks.Got3, got4 = r.Marks.Got4, got5 = r.Marks.Got5;
            values(hole, code, r.Kind) = Increment_Points(h, r.Level, To_Integer(count), got3, got4, got5);
        }
        const uint64_t trial_lit = lit | card::Hole_Cells(hole, pos);
        for (int i = 0; i < t.Bonus_Count; ++i) {
            const Trial_Rules::Bonus& b = t.Bonuses[i];
            if ((trial_lit & b.Cells) == b.Cells) values(hole, code, b.Kind) = b.Points;
        }
    }
}

}  // namespace

void Features_Part::Set_Tip() {
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
        Trials(*this, rules, pos, card::Lit_Cells(rings, pos), values, code);
    });
    // 6..8. Score and rank the holes; on the last ball before the lines freeze, the
    //       best setting is offered.
    const Tip_Result result = Score_Tips(values, tried, card::Last_Ball_Before_Freeze(*this));
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
