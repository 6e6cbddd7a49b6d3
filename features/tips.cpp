// Tips: the best holes and the best line setting. Every trial works on hole masks of
// the card's cells, so the search writes nothing into the record and touches no
// control.
#include <algorithm>
#include <array>

#include "card/card_masks.h"
#include "card/lines.h"
#include "card/setting_reach.h"
#include "features/tip_scoring.h"

namespace plonk {

namespace {

// What the trials need of the record, read once: for each row kind in force its
// zone, marks and pattern; for each open card bonus its cells. What a ball pays in
// each kind, by the length of the row it makes, goes into the values.
struct Trial_Rules {
    struct Row {
        Win_Kind Kind;
        card::Zone Zone;
        card::Paid_Marks Marks;
        bool Has_Pattern;
        card::Cell_List Pattern;
    };
    struct Bonus {
        Win_Kind Kind;
        card::Cell_List Cells;
    };
    std::array<Row, Win_Kind_Count> Rows{};
    int Row_Count = 0;
    std::array<Bonus, Win_Kind_Count> Bonuses{};
    int Bonus_Count = 0;
};

Trial_Rules Read_Rules(const Features_Part& h, Tip_Values& values) {
    Trial_Rules t;
    for (const Win_Kind_Rule& k : Win_Kinds) {
        if (k.Is_Row() && In_Force(h, k)) {
            const card::Paid_Marks marks = Marks_Now(h, k);
            const uint64_t pattern = Pattern_Now(h, k);
            t.Rows[t.Row_Count++] = {k.Kind, k.Zone, marks, pattern != 0, card::Cell_List(pattern)};
            // Before a game the levels are 0, where the odds table has nothing: no row
            // is lit then that could pay.
            const Integer level = h.*k.Level;
            for (int count = 3; count <= 5 && level >= 1 && level <= 9; ++count) {
                bool got3 = marks.Got3, got4 = marks.Got4, got5 = marks.Got5;
                values.Set_Amount(k.Kind, count,
                                  Increment_Points(h, level, To_Integer(count), got3, got4, got5));
            }
        }
        // An open card bonus is worth its counter, held within 16 bits.
        if (!k.Is_Row() && Bonus_Open(h, k.Kind)) {
            t.Bonuses[t.Bonus_Count++] = {k.Kind, card::Cell_List(k.Pattern)};
            values.Set_Amount(k.Kind, 5, Saturate16(h.*k.Counter));
        }
    }
    return t;
}

// The trials of one setting: a trial ball in every free hole, what each kind would
// pay by the longest row it makes not paid yet (the paid marks as they were before
// the trial), and the card bonuses it would complete.
void Trials(const Trial_Rules& t, uint32_t lit, const card::Zone_Reaches& zones,
            const card::Line_Positions& pos, uint32_t free, Tip_Values& values, int code) {
    auto& paid = values.At(code);
    for (int i = 0; i < t.Row_Count; ++i) {
        const Trial_Rules::Row& row = t.Rows[i];
        // A paid five pays nothing more; a paid four only a five; a paid three no three.
        if (row.Marks.Got5) continue;
        card::Hole_Reach r = zones.Of(static_cast<int>(row.Zone));
        if (row.Has_Pattern) r.Add(row.Pattern.Unlit(lit, pos), 5);
        const std::array<uint32_t, 3> makes = r.Exactly(free);
        auto& kind = paid[Tip_Values::Kind(row.Kind)];
        kind[2] |= makes[2];
        if (!row.Marks.Got4) kind[1] |= makes[1];
        if (!row.Marks.Got4 && !row.Marks.Got3) kind[0] |= makes[0];
    }
    for (int i = 0; i < t.Bonus_Count; ++i) {
        const uint32_t unlit = t.Bonuses[i].Cells.Unlit(lit, pos);
        // Complete already: every free hole; else the one hole that completes it.
        const uint32_t makes = unlit == 0 ? free : (unlit & (unlit - 1)) == 0 ? unlit & free : 0u;
        paid[Tip_Values::Kind(t.Bonuses[i].Kind)][2] |= makes;
    }
}

}  // namespace

Tip_Result Calculate_Tips(const Features_Part& h) {
    // 3..4. An empty table; the settings to try, as the automatic scan tries them.
    Tip_Values values;
    std::array<bool, Line_Set_Codes> tried{};
    const Trial_Rules rules = Read_Rules(h, values);
    const Line_Ranges r = Search_Ranges(h);
    uint32_t free = 0;
    for (int hole = 1; hole <= 25; ++hole) free |= static_cast<uint32_t>(h.Hole_State(hole) == 0) << hole;
    const uint32_t lit = card::Hole_Bits(h);
    // 5. Every setting, line A outermost and line E innermost, and in each a trial
    //    ball in every free hole. Every zone's rows are answered once per setting of
    //    the lines they cross, in a table whose room is kept from one search to the
    //    next.
    thread_local card::Zone_Reach_Table table;
    table.Start(lit);
    For_Each_Setting(r, [&](const card::Line_Positions& pos, int code) {
        tried[code] = true;
        Trials(rules, lit, table.At(code), pos, free, values, code);
    });
    // 6..8. Score and rank the holes; on the last ball before the lines freeze, the
    //       best setting.
    return Score_Tips(values, tried, card::Last_Ball_Before_Freeze(h));
}

void Features_Part::Set_Tip() {
    // 1. Tips off, or no ball left: no markers and nothing to set the lines to.
    if (Check1.Value != 1 || Balls_Played == Most_Balls) {
        Command1.Enabled = false;
        for (int i = 0; i <= 2; ++i) Tip(i).Visible = false;
        return;
    }
    // 2. "One moment please ..."
    Calc_Tip.Visible = true;
    Refresh();
    // 3..8. The best holes and setting.
    const Tip_Result result = Calculate_Tips(*this);
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
