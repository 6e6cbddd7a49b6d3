// Scanning and collecting: the manual scan, the automatic scan over the line
// settings, and the green double.
#include "card/card_evaluate.h"
#include "features/zones.h"

namespace plonk {

namespace {

// Pay the row a scan found, by the increment rule; counts other than 3, 4 and 5 pay
// nothing. The row comes with its cells, so what is paid for is known here.
void Collect_Row(Features_Part& h, Win_Kind kind, const card::Row_Found& row) {
    if (row.Count < 3 || row.Count > 5) return;
    Integer points = Pay_Row(h, kind, To_Integer(row.Count));
    h.Report({.Kind = Game_Event_Kind::Payment,
              .Win = kind,
              .Count = row.Count,
              .Points = points,
              .Cells = row.Cells});
    h.Update_Score(points);
    h.Report({.Kind = Game_Event_Kind::Payment_Counted, .Win = kind});
}

// Pay a card bonus: count the counter onto the scores, then start it again at 1000.
void Collect_Bonus(Features_Part& h, Win_Kind kind) {
    const Win_Kind_Rule& k = Rule_Of(kind);
    h.Speel(Sound::Bonus);
    h.Report({.Kind = Game_Event_Kind::Payment, .Win = kind, .Points = h.*k.Counter, .Cells = k.Pattern});
    Integer which = k.Bonus_Number;
    h.Update_Score_Bonus(h.*k.Counter, which);
    h.*k.Counter = 1000;
    (h.*k.Show_Counter)();
    h.*k.Marks[0] = true;
    h.Report({.Kind = Game_Event_Kind::Payment_Counted, .Win = kind});
}

// Pay a kind, where the lines stand now, when it has something new: a row kind in
// force by what its evaluator finds, a card bonus when it is won.
void Collect(Features_Part& h, const Win_Kind_Rule& k) {
    if (!k.Is_Row()) {
        if (Bonus_Won(h, k.Kind)) Collect_Bonus(h, k.Kind);
    } else if (In_Force(h, k)) {
        Collect_Row(h, k.Kind, card::Find_Row(h, k.Kind));
    }
}

// The kind would pay something with these cells lit.
bool Kind_Pays(const Features_Part& h, const Win_Kind_Rule& k, uint64_t lit) {
    if (!k.Is_Row()) return Bonus_Won(h, k.Kind, lit);
    if (!In_Force(h, k)) return false;
    const int count = card::Evaluate(h, lit, k.Kind);
    return count >= 3 && count <= 5;
}

}  // namespace

long long Scan_Would_Pay(const Features_Part& h) {
    // As Knop_S_Click pays: nothing before the fourth ball, then every kind in turn,
    // each on its own paid marks.
    if (h.Balls_Played <= 3) return 0;
    long long points = 0;
    const uint64_t lit = card::Lit_Cells(h);
    for (const Win_Kind_Rule& k : Win_Kinds) {
        if (!Kind_Pays(h, k, lit)) continue;
        if (!k.Is_Row()) {
            points += h.*k.Counter;
            continue;
        }
        bool got3 = h.*k.Marks[0], got4 = h.*k.Marks[1], got5 = h.*k.Marks[2];
        const auto count = To_Integer(card::Evaluate(h, lit, k.Kind));
        points += Increment_Points(h, h.*k.Level, count, got3, got4, got5);
    }
    return points;
}

void Features_Part::Knop_S_Click() {
    // 1. Nothing is paid before the fourth ball has been played.
    if (Balls_Played > 3) {
        // 2. Four flags and no green double yet: show that it can be had.
        if (Four_Flags() && !Green_Double_Active) Pic_Dubbel.Visible = true;
        // 3. The scan sound.
        Speel(Sound::Buttons);
        // 4..8. Yellow, red, white and green, the green double while it is in force,
        //       then the main-card and the extra-card bonus; each pays before the
        //       next is looked at.
        for (const Win_Kind_Rule& k : Win_Kinds) Collect(*this, k);
    }
    // 9. The buttons, and the focus back unless a spending button is held.
    Set_Keys();
    if (!F1_Held && !F2_Held) Set_Focus(Key_Sink);
}

void Features_Part::Auto_Scan() {
    // 1. Only with automatic scanning ticked and from the fourth ball on.
    if (Check2.Value != 1 || Balls_Played < 4) return;
    // 2. The settings to try. The lines stay where they stand until a kind pays.
    const Line_Ranges r = Search_Ranges(*this);
    // No ball falls during the scan: the holes stay lit as they are.
    const card::Lit_Rings rings = card::Rings_Of_Holes(card::Hole_Bits(*this));
    // 3. Line A outermost, line E innermost, each from low to high.
    For_Each_Setting(r, [&](const card::Line_Positions& pos, int setting) {
        Integer code = To_Integer(setting);
        const uint64_t lit = card::Lit_Cells(rings, pos);
        // 4. Every kind in the order of payment; a kind that pays at this setting is
        //    collected: the lines move visibly from where they stand to this
        //    setting, and the scan pays. The lines stay where the last collection
        //    left them.
        for (const Win_Kind_Rule& k : Win_Kinds) {
            if (!Kind_Pays(*this, k, lit)) continue;
            Auto_Lines(code);
            Knop_S_Click();
        }
    });
}

void Features_Part::Knop_2_Click() {
    // 1. With four flags the green double comes in force and its row pays at once.
    if (Four_Flags()) {
        Pic_Dubbel.Visible = true;
        Speel(Sound::Buttons);
        Green_Double_Active = true;
        Report({.Kind = Game_Event_Kind::Green_Double});
        Collect_Row(*this, Win_Kind::Green_Double, card::Find_Row(*this, Win_Kind::Green_Double));
    }
    // 2. In every case: repaint, the buttons, the focus.
    Refresh();
    Set_Keys_And_Focus();
}

}  // namespace plonk
