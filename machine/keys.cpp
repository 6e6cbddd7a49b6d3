// Button states, the keyboard, the two held buttons and the tips and scan boxes.
#include <cstdint>

#include "card/card_table.h"
#include "card/lines.h"
#include "machine/hoofdvenster.h"
#include "machine/key_table.h"

namespace plonk {

void Hoofdvenster::Set_Keys() {
    const bool four_flags = Four_Flags();
    // 1. Four flags and no green double switched on: the double is available.
    if (four_flags && !Green_Double_Active) Pic_Dubbel.Visible = true;
    // 2. Investing: while investing is open or no game runs, with credits left.
    Knop_F1.Enabled = (Invest_Open || Game_Over) && Main_Score > 0;
    // 3. Extra balls: from the fifth ball played up to the ninth.
    Knop_F2.Enabled = Balls_Played >= 5 && Balls_Played <= 9;
    // 4. Lines move before the fourth ball, or before the fifth with the fifth-ball
    //    feature; each line needs its own line level.
    Control* const line_buttons[] = {&Knop_A, &Knop_B, &Knop_C, &Knop_D, &Knop_E};
    for (int line = 0; line < card::Lines; ++line)
        line_buttons[line]->Enabled = card::Line_May_Move(*this, line, card::Line_Move::Button);
    // 5. Scanning from the fourth ball on; the green double also needs four flags.
    Knop_S.Enabled = Balls_Played > 3;
    Knop_2.Enabled = Balls_Played > 3 && four_flags;
}

namespace {

// What a key does: its action, the button it stands for, whether that button must
// be enabled for it, and the flag of a button that must be held down for it.
struct Key_Action {
    char Key;  // a letter in upper case
    void (Hoofdvenster::*Action)();
    Control Hoofdvenster::*Face;
    bool Gated = false;
    bool Hoofdvenster::*Held = nullptr;
};

using H = Hoofdvenster;
constexpr Key_Action Key_Actions[] = {
    {'I', &H::Invest_Points, &H::Knop_F1, true, &H::F1_Held},
    {'X', &H::Request_Extra_Ball, &H::Knop_F2, true, &H::F2_Held},
    {'2', &H::Knop_2_Click, &H::Knop_2, true},
    {'O', &H::Knop_Bal_Click, &H::Knop_Bal},
    {'A', &H::Knop_A_Click, &H::Knop_A, true},
    {'B', &H::Knop_B_Click, &H::Knop_B, true},
    {'C', &H::Knop_C_Click, &H::Knop_C, true},
    {'D', &H::Knop_D_Click, &H::Knop_D, true},
    {'E', &H::Knop_E_Click, &H::Knop_E, true},
    {'P', &H::Knop_P_Click, &H::Knop_P},
    {'S', &H::Knop_S_Click, &H::Knop_S, true},
    {'-', &H::Knop_KrachtOmlaag_Click, &H::Knop_KrachtOmlaag},
    {'+', &H::Knop_KrachtOmhoog_Click, &H::Knop_KrachtOmhoog},
};

}  // namespace

std::vector<Key_Use> Key_Uses(const Hoofdvenster& m) {
    std::vector<Key_Use> uses;
    for (const Key_Action& a : Key_Actions) uses.push_back({a.Key, &(m.*a.Face), a.Gated, a.Held != nullptr});
    return uses;
}

void Hoofdvenster::Form_KeyPress(Integer& KeyAscii) {
    // Each key runs at most one action, a letter in either case. A key with a
    // button acts only while the button is enabled as the last Set_Keys left it;
    // the two spending keys only while their button is also held with the mouse,
    // and pause after it. The key is not consumed.
    const int key = KeyAscii >= 'a' && KeyAscii <= 'z' ? KeyAscii - 'a' + 'A' : KeyAscii;
    for (const Key_Action& a : Key_Actions) {
        if (a.Key != key) continue;
        if (a.Gated && !(this->*a.Face).Enabled) return;
        if (a.Held && !(this->*a.Held)) return;
        (this->*a.Action)();
        if (a.Held) Pause(200);
        return;
    }
}

// ------------------------------------------------ the two held buttons

void Hoofdvenster::Knop_F1_MouseDown(int, int, float, float) {
    F1_Held = true;
    Invest_Points();
    Timer2.Enabled = true;
}

void Hoofdvenster::Knop_F2_MouseDown(int, int, float, float) {
    F2_Held = true;
    Request_Extra_Ball();
    Timer2.Enabled = true;
}

void Hoofdvenster::Timer2_Timer() {
    if (F1_Held) Invest_Points();
    if (F2_Held) Request_Extra_Ball();
}

void Hoofdvenster::Release_Held(bool& held) {
    // Either button stops the shared timer; what the held action left undone
    // (repaint, buttons, focus) happens now.
    Timer2.Enabled = false;
    held = false;
    Refresh();
    Set_Keys_And_Focus();
}

void Hoofdvenster::Knop_F1_MouseUp(int, int, float, float) { Release_Held(F1_Held); }
void Hoofdvenster::Knop_F1_LostFocus() { Release_Held(F1_Held); }
void Hoofdvenster::Knop_F2_MouseUp(int, int, float, float) { Release_Held(F2_Held); }
void Hoofdvenster::Knop_F2_LostFocus() { Release_Held(F2_Held); }

void Hoofdvenster::Check1_Click() {
    Set_Tip();
    Refresh();
    Set_Keys_And_Focus();
}

void Hoofdvenster::Check2_Click() {
    Auto_Scan();
    Refresh();
    Set_Keys_And_Focus();
}

}  // namespace plonk
