// Tips: the best holes and the best line setting. Every trial works on bit masks of
// the card, so the search writes nothing into the record and touches no control.
#include <array>

#include "card/card_masks.h"
#include "features/tip_scoring.h"

namespace plonk {

namespace {

constexpr card::Zone Zone_Of[Row_Kinds + 1] = {card::Zone::Yellow, card::Zone::Yellow, card::Zone::Red,
                                               card::Zone::White,  card::Zone::Green,  card::Zone::Green};

// What the trials need of the record, read once.
struct Trial_Rules {
    Integer Level[Row_Kinds + 1];
    card::Paid_Marks Marks[Row_Kinds + 1];
    bool Pattern[Row_Kinds + 1];
    int Row_Kinds_Tried;  // 4, or 5 with the green double in force
    bool Main_Bonus_Open, Extra_Bonus_Open;
    Integer Main_Bonus, Extra_Bonus;
};

Trial_Rules Read_Rules(Hoofdvenster& h) {
    Trial_Rules t{};
    for (int kind = Kind_Yellow; kind <= Kind_Double; ++kind) {
        t.Level[kind] = Level_Of(h, kind);
        const Zone_Flags f = Marks_Of(h, kind);
        t.Marks[kind] = {*f.Got3, *f.Got4, *f.Got5};
        t.Pattern[kind] = kind == Kind_Red ? h.Corners_Feature : kind >= Kind_Green && h.Four_Stars_Feature;
    }
    t.Row_Kinds_Tried = h.Green_Double_Active ? Kind_Double : Kind_Green;
    t.Main_Bonus_Open = h.Red_Level == 9 && !h.Main_Bonus_Paid;
    t.Extra_Bonus_Open = h.Green_Level == 9 && !h.Extra_Bonus_Paid;
    t.Main_Bonus = Bonus_Points(h.Main_Bonus);
    t.Extra_Bonus = Bonus_Points(h.Extra_Bonus);
    return t;
}

// The values of one trial ball: what each kind would pay with these lit cells, the
// paid marks as they were before the trial.
void Trial(const Hoofdvenster& h, const Trial_Rules& t, uint64_t lit, Tip_Values& values, int hole,
           int code) {
    for (int kind = Kind_Yellow; kind <= t.Row_Kinds_Tried; ++kind) {
        const int count = card::Zone_Result(lit, Zone_Of[kind], t.Marks[kind], t.Pattern[kind]);
        if (count == 0) continue;
        bool got3 = t.Marks[kind].Got3, got4 = t.Marks[kind].Got4, got5 = t.Marks[kind].Got5;
        values(hole, code, kind) =
            Increment_Points(h, t.Level[kind], static_cast<Integer>(count), got3, got4, got5);
    }
    if (t.Main_Bonus_Open && (lit & Main_Bonus_Cells) == Main_Bonus_Cells)
        values(hole, code, Kind_Main_Bonus) = t.Main_Bonus;
    if (t.Extra_Bonus_Open && (lit & Extra_Bonus_Cells) == Extra_Bonus_Cells)
        values(hole, code, Kind_Extra_Bonus) = t.Extra_Bonus;
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
    const uint32_t holes = card::Hole_Bits(*this);
    std::array<card::Lit_Rings, 26> trial_rings{};
    for (int hole = 1; hole <= 25; ++hole)
        if (Hole_State(hole) == 0) trial_rings[hole] = card::Rings_Of_Holes(holes | card::Hole_Bit(hole));
    card::Line_Positions pos{};
    for (pos[0] = r.Low[0]; pos[0] <= r.High[0]; ++pos[0])
        for (pos[1] = r.Low[1]; pos[1] <= r.High[1]; ++pos[1])
            for (pos[2] = r.Low[2]; pos[2] <= r.High[2]; ++pos[2])
                for (pos[3] = r.Low[3]; pos[3] <= r.High[3]; ++pos[3])
                    for (pos[4] = r.Low[4]; pos[4] <= r.High[4]; ++pos[4]) {
                        const int code = card::Line_Set_Code(pos);
                        tried[code] = true;
                        for (int hole = 1; hole <= 25; ++hole)
                            if (Hole_State(hole) == 0)
                                Trial(*this, rules, card::Lit_Cells(trial_rings[hole], pos), values, hole,
                                      code);
                    }
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
