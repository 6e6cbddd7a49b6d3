// Button states, the keyboard and the small controls.
#include <cstdint>

#include "app/hoofdvenster.h"

namespace plonk {

namespace {

constexpr uint32_t kRaisedColor = 0xFF0000;   // a step of the start speed upward
constexpr uint32_t kLoweredColor = 0x0000FF;  // a step of the start speed downward

}  // namespace

void Hoofdvenster::Set_Keys() {
    const bool four_flags = Flags_Lit() == 4;
    // 1. Four flags and no green double switched on: the double is available.
    if (four_flags && !Green_Double_Active) Pic_Dubbel.Visible = true;
    // 2. Investing: while investing is open or no game runs, with credits left.
    Knop_F1.Enabled = (Invest_Open || Game_Over) && Main_Score > 0;
    // 3. Extra balls: from the fifth ball played up to the ninth.
    Knop_F2.Enabled = Balls_Played >= 5 && Balls_Played <= 9;
    // 4. Lines move before the fourth ball, or before the fifth with the fifth-ball
    //    feature; each line needs its own line level.
    const int last_ball = Fifth_Ball ? 4 : 3;
    const bool lines_movable = Balls_Played >= 1 && Balls_Played <= last_ball;
    Knop_A.Enabled = lines_movable && Line_Level > 5;
    Knop_B.Enabled = lines_movable && Line_Level > 6;
    Knop_C.Enabled = lines_movable && Line_Level > 7;
    Knop_D.Enabled = lines_movable && Line_Level > 8;
    Knop_E.Enabled = lines_movable && Line_Level > 9;
    // 5. Scanning from the fourth ball on; the green double also needs four flags.
    Knop_S.Enabled = Balls_Played > 3;
    Knop_2.Enabled = Balls_Played > 3 && four_flags;
}

void Hoofdvenster::Form_KeyPress(Integer& KeyAscii) {
    // Each key runs at most one action. A button counts as enabled as the last
    // Set_Keys left it. The key is not consumed.
    switch (KeyAscii) {
        case 'i':
        case 'I':
            // Investing by key only while Knop_F1 is held with the mouse.
            if (Knop_F1.Enabled && F1_Held) {
                Invest_Points();
                Tk.Sleep(200);
            }
            break;
        case 'x':
        case 'X':
            if (Knop_F2.Enabled && F2_Held) {
                Request_Extra_Ball();
                Tk.Sleep(200);
            }
            break;
        case '2':
            if (Knop_2.Enabled) Knop_2_Click();
            break;
        case 'o':
        case 'O':
            Knop_Bal_Click();
            break;
        case 'a':
        case 'A':
            if (Knop_A.Enabled) Knop_A_Click();
            break;
        case 'b':
        case 'B':
            if (Knop_B.Enabled) Knop_B_Click();
            break;
        case 'c':
        case 'C':
            if (Knop_C.Enabled) Knop_C_Click();
            break;
        case 'd':
        case 'D':
            if (Knop_D.Enabled) Knop_D_Click();
            break;
        case 'e':
        case 'E':
            if (Knop_E.Enabled) Knop_E_Click();
            break;
        case 'p':
        case 'P':
            Knop_P_Click();
            break;
        case 's':
        case 'S':
            if (Knop_S.Enabled) Knop_S_Click();
            break;
        case '-':
            Knop_KrachtOmlaag_Click();
            break;
        case '+':
            Knop_KrachtOmhoog_Click();
            break;
        default:
            break;
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
    Set_Keys();
    Set_Focus("Command2");
}

void Hoofdvenster::Knop_F1_MouseUp(int, int, float, float) { Release_Held(F1_Held); }
void Hoofdvenster::Knop_F1_LostFocus() { Release_Held(F1_Held); }
void Hoofdvenster::Knop_F2_MouseUp(int, int, float, float) { Release_Held(F2_Held); }
void Hoofdvenster::Knop_F2_LostFocus() { Release_Held(F2_Held); }

// ------------------------------------------------ start speed

void Hoofdvenster::Knop_KrachtOmhoog_Click() {
    // 1. One step up, at most 100; at the top nothing is drawn.
    ++Start_Speed;
    if (Start_Speed == 101) {
        Start_Speed = 100;
    } else {
        // 2. The row of the new value turns red: the red bar grows from the bottom.
        const int y = 31 - static_cast<int>(Int((Start_Speed - 38) / 2.0));
        Pic_Kracht.Draw_Line(0, y, 10, y, kRaisedColor);
    }
    // 3. Heard also at the limit.
    Speel(3);
    Set_Keys();
    Set_Focus("Command2");
}

void Hoofdvenster::Knop_KrachtOmlaag_Click() {
    // 1. One step down, at least 38; at the bottom nothing is drawn.
    --Start_Speed;
    if (Start_Speed == 37) {
        Start_Speed = 38;
    } else {
        // 2. The row just above the new value turns blue again.
        const int y = 30 - static_cast<int>(Int((Start_Speed - 38) / 2.0));
        Pic_Kracht.Draw_Line(0, y, 10, y, kLoweredColor);
    }
    // 3. Heard also at the limit.
    Speel(3);
    Set_Keys();
    Set_Focus("Command2");
}

// ------------------------------------------------ ball speed and its offset

void Hoofdvenster::Slider1_Change() {
    Ball_Speed = static_cast<Integer>(Slider1.Value);
    Set_Keys();
    Set_Focus("Command2");
}

void Hoofdvenster::Slider1_MouseUp(int Button, int, float, float) {
    // Only the right button opens the offset menu.
    if (Button != 2) return;
    // 1. Both items available, except the step that leaves 1..10.
    Mnu_BallSpeedOffsetInc.Enabled = true;
    Mnu_BallSpeedOffsetDec.Enabled = true;
    if (Ball_Speed_Offset == 1) Mnu_BallSpeedOffsetDec.Enabled = false;
    if (Ball_Speed_Offset == 10) Mnu_BallSpeedOffsetInc.Enabled = false;
    // 2. The menu opens at the mouse.
    Tk.Popup_Menu("dummie01");
}

void Hoofdvenster::Mnu_BallSpeedOffsetInc_Click() {
    // An offset outside 1..10 (from an edited settings file) leaves both items
    // available; it still never steps past the ends of its 16 bits.
    if (Ball_Speed_Offset < INT16_MAX) ++Ball_Speed_Offset;
}

void Hoofdvenster::Mnu_BallSpeedOffsetDec_Click() {
    if (Ball_Speed_Offset > INT16_MIN) --Ball_Speed_Offset;
}

// ------------------------------------------------ the three check boxes

void Hoofdvenster::Option1_Click() {
    // The sound player reads the box at every request.
    Set_Keys();
    Set_Focus("Command2");
}

void Hoofdvenster::Check1_Click() {
    Set_Tip();
    Refresh();
    Set_Keys();
    Set_Focus("Command2");
}

void Hoofdvenster::Check2_Click() {
    Auto_Scan();
    Refresh();
    Set_Keys();
    Set_Focus("Command2");
}

}  // namespace plonk
