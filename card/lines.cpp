// The card lines and their positions.
#include "card/lines.h"

#include "card/card_part.h"
#include "card/card_table.h"
#include "card/lamp_picture.h"

namespace plonk {

namespace card {

bool Before_Freeze(const Card_Part& m) { return m.Balls_Played <= (m.Fifth_Ball ? 4 : 3); }

bool Last_Ball_Before_Freeze(const Card_Part& m) { return m.Balls_Played == (m.Fifth_Ball ? 4 : 3); }

bool Line_May_Move(const Card_Part& m, int line, Line_Move who) {
    if (!(m.Line_Level > line + 5 && Before_Freeze(m))) return false;
    switch (who) {
        case Line_Move::Click:
            return true;
        case Line_Move::Button:
            return m.Balls_Played >= 1;
        case Line_Move::Search:
            return m.Line_Level >= 7 && m.Line_Level <= 10;
    }
    return false;
}

void Click_Line(Card_Part& m, int line) {
    // 1. A line that may not move stays as it is, silently.
    if (Line_May_Move(m, line, Line_Move::Click)) {
        // 2. One step in the line's direction; at an end (0 or 2) the direction turns,
        //    so the line goes 1, 2, 1, 0, 1, 2, ...
        m.Line_Pos(line) = To_Integer(m.Line_Pos(line) + m.Line_Dir(line));
        if (m.Line_Pos(line) != Rest_Position) m.Line_Dir(line) = To_Integer(-m.Line_Dir(line));
        // 3. Its ten lamps now show other numbers.
        Show_Line_Lamps(m, line);
        // 4. The sound of a line moving.
        m.Speel(Sound::Lines);
    }
    // 5. Either way the buttons follow the state and the keys go to Command2.
    m.Set_Keys_And_Focus();
}

void Set_Lines_To(Card_Part& m, int code) {
    // 1. A code outside 0..242 names no setting: nothing moves.
    if (code < 0 || code >= Line_Set_Count) return;
    // 2. Line A first, then B to E: step the line while it is off its target, each
    //    step followed by a repaint and a pause so the player can follow it. A line
    //    still off its target after three attempts cannot move and stays.
    const Line_Positions target = Line_Set_Targets(code);
    for (int line = 0; line < Lines; ++line) {
        for (int attempt = 0; attempt < Move_Attempts && m.Line_Pos(line) != target[line]; ++attempt) {
            Click_Line(m, line);
            m.Refresh();
            m.Pause(Move_Pause_Ms);
        }
    }
}

}  // namespace card

void Card_Part::Knop_A_Click() { card::Click_Line(*this, 0); }
void Card_Part::Knop_B_Click() { card::Click_Line(*this, 1); }
void Card_Part::Knop_C_Click() { card::Click_Line(*this, 2); }
void Card_Part::Knop_D_Click() { card::Click_Line(*this, 3); }
void Card_Part::Knop_E_Click() { card::Click_Line(*this, 4); }

void Card_Part::Command1_Click() {
    // 1..2. Set the lines to the tip's setting, if there is one.
    if (Tip_Line_Set >= 0) card::Set_Lines_To(*this, Tip_Line_Set);
    // 3. The buttons follow the state and the keys go to Command2.
    Set_Keys_And_Focus();
}

void Card_Part::Auto_Lines(Integer& LineSet) {
    // The caller sets the buttons and the focus when it is done.
    card::Set_Lines_To(*this, LineSet);
}

void Card_Part::Set_Lijnen() {
    // 1. The ball pictures say until which ball the lines may move, once any can.
    Pic_4thBall.Visible = Line_Level >= 6 && !Fifth_Ball;
    Pic_5thBall.Visible = Line_Level >= 6 && Fifth_Ball;
    // 2. No line feature: no arrow and no letter.
    if (Line_Level == 0) {
        for (int k = 0; k <= 4; ++k) {
            Pic_Pijl(k).Visible = false;
            Pic_Letter(k).Visible = false;
        }
        return;
    }
    // 3. Levels 1..5 light the arrows, 6..10 the letters of the moveable lines.
    //    Indicators above the level stay as they are; a new game hides them all.
    //    There are ten indicators: a level beyond them shows them all.
    for (int i = 1; i <= Line_Level && i <= 10; ++i) {
        if (i < 6)
            Pic_Pijl(i - 1).Visible = true;
        else
            Pic_Letter(i - 6).Visible = true;
    }
}

}  // namespace plonk
