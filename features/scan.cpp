// Scanning and collecting: the manual scan, the automatic scan over the line
// settings, and the green double.
#include "features/zones.h"

namespace plonk {

namespace {

// Pay a row of `count` for a row kind by the increment rule; a green-double row
// also marks the green double as used. Counts other than 3, 4 and 5 pay nothing.
void Collect_Row(Hoofdvenster& h, int kind, Integer count) {
    if (count < 3 || count > 5) return;
    Zone_Flags marks = Marks_Of(h, kind);
    Integer points = Increment_Points(h, Level_Of(h, kind), count, *marks.Got3, *marks.Got4, *marks.Got5);
    if (kind == Kind_Double) h.Green_Double_Used = true;
    h.Update_Score(points);
}

// Pay a card bonus: count the counter onto the scores, then start it again at 1000.
void Collect_Bonus(Hoofdvenster& h, int kind) {
    h.Speel(2);
    if (kind == Kind_Main_Bonus) {
        Integer which = 1;
        h.Update_Score_Bonus(h.Main_Bonus, which);
        h.Main_Bonus = 1000;
        h.Set_Main_Bonus();
        h.Main_Bonus_Paid = true;
    } else {
        Integer which = 2;
        h.Update_Score_Bonus(h.Extra_Bonus, which);
        h.Extra_Bonus = 1000;
        h.Set_Extra_Bonus();
        h.Extra_Bonus_Paid = true;
    }
}

// The kind would pay something with the lines where they stand now.
bool Kind_Pays(const Hoofdvenster& h, int kind) {
    if (kind <= Row_Kinds) {
        if (kind == Kind_Double && !h.Green_Double_Active) return false;
        const Integer count = Evaluate_Row(h, kind);
        return count >= 3 && count <= 5;
    }
    return Bonus_Won(h, kind);
}

}  // namespace

void Hoofdvenster::Knop_S_Click() {
    // 1. Nothing is paid before the fourth ball has been played.
    if (Balls_Played > 3) {
        // 2. Four flags and no green double yet: show that it can be had.
        if (Four_Flags() && !Green_Double_Active) Pic_Dubbel.Visible = true;
        // 3. The scan sound.
        Speel(3);
        // 4..6. Yellow, red, white and green, then the green double while it is in
        //       force; each pays by the increment rule before the next is looked at.
        for (int kind = Kind_Yellow; kind <= Kind_Green; ++kind)
            Collect_Row(*this, kind, Evaluate_Row(*this, kind));
        if (Green_Double_Active) Collect_Row(*this, Kind_Double, Evaluate_Row(*this, Kind_Double));
        // 7..8. The main-card bonus, then the extra-card bonus.
        if (Bonus_Won(*this, Kind_Main_Bonus)) Collect_Bonus(*this, Kind_Main_Bonus);
        if (Bonus_Won(*this, Kind_Extra_Bonus)) Collect_Bonus(*this, Kind_Extra_Bonus);
    }
    // 9. The buttons, and the focus back unless a spending button is held.
    Set_Keys();
    if (!F1_Held && !F2_Held) Set_Focus("Command2");
}

void Hoofdvenster::Auto_Scan() {
    // 1. Only with automatic scanning ticked and from the fourth ball on.
    if (Check2.Value != 1 || Balls_Played < 4) return;
    // 2. The lines as they stand are the baseline.
    int baseline[5];
    for (int l = 0; l < 5; ++l) baseline[l] = Line_Pos(l);
    // 3. The settings to try.
    const Line_Ranges r = Search_Ranges(*this);
    // 4. Line A outermost, line E innermost, each from low to high.
    For_Each_Setting(r, [&](const card::Line_Positions& pos, int setting) {
        Integer code = static_cast<Integer>(setting);
        // 5. Every kind in the order of payment; a kind that pays here is collected:
        //    the lines move visibly from the baseline to this setting, which becomes
        //    the baseline, and the scan pays.
        for (int kind = Kind_Yellow; kind <= Kind_Extra_Bonus; ++kind) {
            for (int l = 0; l < 5; ++l) Line_Pos(l) = static_cast<Integer>(pos[l]);
            if (!Kind_Pays(*this, kind)) continue;
            for (int l = 0; l < 5; ++l) Line_Pos(l) = static_cast<Integer>(baseline[l]);
            Auto_Lines(code);
            for (int l = 0; l < 5; ++l) baseline[l] = Line_Pos(l);
            Knop_S_Click();
        }
    });
    // 6. The lines stay where the last collection left them.
    for (int l = 0; l < 5; ++l) Line_Pos(l) = static_cast<Integer>(baseline[l]);
}

void Hoofdvenster::Knop_2_Click() {
    // 1. With four flags the green double comes in force and its row pays at once.
    if (Four_Flags()) {
        Pic_Dubbel.Visible = true;
        Speel(3);
        Green_Double_Active = true;
        Collect_Row(*this, Kind_Double, Evaluate_Row(*this, Kind_Double));
    }
    // 2. In every case: repaint, the buttons, the focus.
    Refresh();
    Set_Keys();
    Set_Focus("Command2");
}

}  // namespace plonk
