// The small controls of the window: the start speed and its indicator, the ball
// speed and its offset, and the sound box.
#include <cstdint>

#include "app/app_part.h"

namespace plonk {

namespace {

constexpr uint32_t kRaisedColor = QBColor(qb::Red);    // a step of the start speed upward
constexpr uint32_t kLoweredColor = QBColor(qb::Blue);  // a step of the start speed downward

}  // namespace

// ------------------------------------------------ start speed

namespace {

// One step of the start speed, up (+1) or down (-1), and its indicator.
void Step_Start_Speed(App_Part& h, int step) {
    // 1. One step, no further than the slowest or the fastest start; at that
    //    limit nothing is drawn.
    const int limit = step > 0 ? App_Part::Start_Speed_Max : App_Part::Start_Speed_Min;
    h.Start_Speed = To_Integer(h.Start_Speed + step);
    if (h.Start_Speed == limit + step) {
        h.Start_Speed = To_Integer(limit);
    } else {
        // 2. Up: the row of the new value turns red, the red bar growing from the
        //    bottom. Down: the row just above the new value turns blue again.
        const int row = static_cast<int>(Int((h.Start_Speed - App_Part::Start_Speed_Min) / 2.0));
        const int y = (step > 0 ? 31 : 30) - row;
        h.Pic_Kracht.Draw_Line(0, y, 10, y, step > 0 ? kRaisedColor : kLoweredColor);
    }
    // 3. Heard also at the limit.
    h.Speel(Sound::Buttons);
    h.Set_Keys_And_Focus();
}

}  // namespace

void App_Part::Knop_KrachtOmhoog_Click() { Step_Start_Speed(*this, +1); }
void App_Part::Knop_KrachtOmlaag_Click() { Step_Start_Speed(*this, -1); }

// ------------------------------------------------ ball speed and its offset

void App_Part::Slider1_Change() {
    Ball_Speed = To_Integer(Slider1.Value);
    Set_Keys_And_Focus();
}

void App_Part::Slider1_MouseUp(int Button, int, float, float) {
    // Only the right button opens the offset menu.
    if (Button != 2) return;
    // 1. Both items available, except the step that leaves 1..10.
    Mnu_BallSpeedOffsetInc.Enabled = true;
    Mnu_BallSpeedOffsetDec.Enabled = true;
    if (Ball_Speed_Offset == 1) Mnu_BallSpeedOffsetDec.Enabled = false;
    if (Ball_Speed_Offset == 10) Mnu_BallSpeedOffsetInc.Enabled = false;
    // 2. The menu opens at the mouse.
    Tk.Dialogs.Popup_Menu("dummie01");
}

void App_Part::Mnu_BallSpeedOffsetInc_Click() {
    // An offset outside 1..10 (from an edited settings file) leaves both items
    // available; it still never steps past the ends of its 16 bits.
    Ball_Speed_Offset = Add16(Ball_Speed_Offset, 1);
}

void App_Part::Mnu_BallSpeedOffsetDec_Click() { Ball_Speed_Offset = Add16(Ball_Speed_Offset, -1); }

// ------------------------------------------------ the three check boxes

void App_Part::Option1_Click() {
    // The sound player reads the box at every request.
    Set_Keys_And_Focus();
}

}  // namespace plonk
