// The window's controls: kind, place, caption or tooltip and own picture of each.
#include <algorithm>
#include <string>

#include "machine/hoofdvenster.h"
#include "playfield/board_layout.h"

namespace plonk {

namespace {

std::string Indexed(const std::string& name, int i) { return name + "(" + std::to_string(i) + ")"; }

struct Point {
    int X, Y;
};

// Element i of a row of controls: (Left + Step_X * i, Top + Step_Y * i), or where
// `At` puts it.
struct Row_Layout {
    int Step_X = 0, Step_Y = 0;
    Point (*At)(int i) = nullptr;
};

// One control, or a row of `Count` controls Name(0) .. Name(Count - 1), all of the
// same kind, size, tooltip, picture and caption.
struct Control_Spec {
    Control* First;
    const char* Name;
    Control_Kind Kind;
    const char* Container;  // "" for the window (twips), otherwise pixels
    int Left, Top, Width, Height;
    const char* Tip = "";
    const char* Face = "";
    const char* Caption = "";
    int Count = 0;  // 0: a single control
    Row_Layout Row = {};
};

// The card lamps: two five-by-five cards side by side, line by line.
Point Lamp_At(int i) {
    const int column = i % 10;
    return {327 + 30 * column + (column >= 5 ? 10 : 0), 34 + 30 * (i / 10)};
}

// The clock: hours and minutes, the minutes two pixels further for the colon.
Point Clock_Digit_At(int i) { return {598 + 8 * i + (i >= 2 ? 2 : 0), 458}; }

// The balls waiting in their column beside the lane.
Point Waiting_Ball_At(int i) { return {board::Waiting_Ball(i).X, board::Waiting_Ball(i).Y}; }

}  // namespace

void Hoofdvenster::Build_Controls() {
    using K = Control_Kind;
    const char* const S = "Pic_Scherm";
    const char* const star_tip = "If ball rolls over then 5th ball will be available";

    // Every control in the window's order, which is also the order in which the
    // game screen draws its pictures. First the screen and the game buttons under
    // it, each button with a face named after it; then the rest of the window, in
    // twips; then the pictures inside the screen, in pixels.
    Register(Pic_Scherm, "Pic_Scherm", K::Picture_Box, "", 120, 120, 9660, 7260);
    Pic_Scherm.Face = "Scherm.bmp";
    const struct {
        Control* Button;
        const char* Name;
        int Left, Width;
        const char* Tip;
    } game_buttons[] = {
        // The start speed and the shot.
        {&Knop_KrachtOmlaag, "Knop_KrachtOmlaag", 5055, 220, "Decrease ball start speed"},
        {&Knop_KrachtOmhoog, "Knop_KrachtOmhoog", 5295, 220, "Increase ball start speed"},
        {&Knop_Bal, "Knop_Bal", 5520, 220, "Play next ball"},
        // The five lines.
        {&Knop_A, "Knop_A", 5925, 220, "Move line A"},
        {&Knop_B, "Knop_B", 6165, 220, "Move line B"},
        {&Knop_C, "Knop_C", 6405, 220, "Move line C"},
        {&Knop_D, "Knop_D", 6645, 220, "Move line D"},
        {&Knop_E, "Knop_E", 6885, 220, "Move line E"},
        // Points in, scanning and the green double.
        {&Knop_P, "Knop_P", 7290, 220, "Insert points"},
        {&Knop_S, "Knop_S", 7530, 220, "Scan and collect scores"},
        {&Knop_2, "Knop_2", 7890, 330, "Collect green double score"},
        // Investing and extra balls, held down.
        {&Knop_F1, "Knop_F1", 8430, 220, "Invest points"},
        {&Knop_F2, "Knop_F2", 8670, 220, "Request extra balls"},
    };
    for (const auto& b : game_buttons) {
        Register(*b.Button, b.Name, K::Picture_Button, "", b.Left, 6995, b.Width, 255);
        b.Button->ToolTipText = b.Tip;
        b.Button->Face = std::string(b.Name) + ".bmp";
    }
    // clang-format off
    const Control_Spec controls[] = {
        {&Option1, "Option1", K::Check_Box, "", 120, 7560, 855, 255, "", "", "&Sound"},
        {&Check1, "Check1", K::Check_Box, "", 1080, 7560, 1095, 255, "", "", "Show &Tips"},
        {&Check2, "Check2", K::Check_Box, "", 2280, 7560, 1575, 255, "", "", "&Automatic Scan"},
        {&Command1, "Command1", K::Button, "", 3960, 7440, 855, 495, "", "", "Set &Lines"},
        {&Slider1, "Slider1", K::Slider, "", 5040, 7440, 3735, 255, "Average ball speed regulator - rightclick for more options"},
        {&Label1, "Label1", K::Label, "", 5160, 7680, 3495, 255, "", "", "Slow ----------------------Ball speed------------------------Fast"},
        {&Knop_Sluiten, "Knop_Sluiten", K::Button, "", 8880, 7440, 855, 495, "", "", "&Close"},
        {&Command2, Key_Sink, K::Button, "", 9120, 7560, 375, 255},
        {&Timer1, "Timer1", K::Timer, "", 0, 0, 0, 0},
        {&Timer2, "Timer2", K::Timer, "", 0, 0, 0, 0},
        {&dummie01, "dummie01", K::Menu, "", 0, 0, 0, 0, "", "", "&Ball speed offset"},
        {&Mnu_BallSpeedOffsetInc, "Mnu_BallSpeedOffsetInc", K::Menu_Item, "dummie01", 0, 0, 0, 0, "", "", "&Increase offset (slower)"},
        {&Mnu_BallSpeedOffsetDec, "Mnu_BallSpeedOffsetDec", K::Menu_Item, "dummie01", 0, 0, 0, 0, "", "", "&Decrease offset (faster)"},
        {&ESound1, "ESound1", K::Sound, "", 0, 0, 0, 0},
        {&Pic_Kracht, "Pic_Kracht", K::Picture_Box, S, 289, 420, 10, 31, "Ball start speed indicator"},
        {&Image_Bal(0), "Image_Bal", K::Image, S, 0, 0, 15, 15, "", "Bal.gif", "", 10, {0, 0, Waiting_Ball_At}},
        {&Tip(0), "Tip", K::Image, S, 6, 210, 15, 15, "", "Tip.gif", "", 3, {0, 30}},
        {&Pic_Ster_Geel, "Pic_Ster_Geel", K::Picture_Box, S, 54, 372, 13, 13, star_tip, "Ster_Geel.bmp"},
        {&Pic_Ster_Rood, "Pic_Ster_Rood", K::Picture_Box, S, 250, 372, 13, 13, star_tip, "Ster_Rood.bmp"},
        {&Lites(0), "Lites", K::Image, S, 0, 0, 21, 21, "", "", "", 50, {0, 0, Lamp_At}},
        {&Pic_Digit_RedBonus(0), "Pic_Digit_RedBonus", K::Picture_Box, S, 382, 186, 7, 13, "Main card bonus", "", "", 4, {8, 0}},
        {&Pic_Digit_GreenBonus(0), "Pic_Digit_GreenBonus", K::Picture_Box, S, 542, 186, 7, 13, "Extra card bonus", "", "", 4, {8, 0}},
        {&Pic_RedBonus, "Pic_RedBonus", K::Picture_Box, S, 329, 187, 40, 11, "Play all purple circled numbers on main card to win main card bonus", "RedBonus.bmp"},
        {&Pic_GreenBonus, "Pic_GreenBonus", K::Picture_Box, S, 586, 187, 40, 11, "Play all purple circled numbers on extra card to win extra card bonus", "GreenBonus.bmp"},
        {&Pic_Pijl(0), "Pic_Pijl", K::Picture_Box, S, 322, 208, 16, 13, "", "Pijl.bmp", "", 5, {17, 0}},
        {&Pic_Letter(0), "Pic_Letter", K::Picture_Box, S, 410, 208, 17, 13, "Moveable line indicator", "", "", 5, {18, 0}},
        {&Pic_4thBall, "Pic_4thBall", K::Picture_Box, S, 500, 208, 66, 13, "Move lines before playing 4th ball", "4thBall.bmp"},
        {&Pic_5thBall, "Pic_5thBall", K::Picture_Box, S, 567, 208, 66, 13, "Move lines before playing 5th ball", "5thBall.bmp"},
        {&Pic_Corners, "Pic_Corners", K::Picture_Box, S, 323, 227, 60, 17, "Play all red circled numbers to win red 5-in-line", "Corners.bmp"},
        {&Pic_4Stars, "Pic_4Stars", K::Picture_Box, S, 323, 250, 60, 17, "Play all star numbers to win green 5-in-line", "4Stars.bmp"},
        {&Pic_3Stars, "Pic_3Stars", K::Picture_Box, S, 574, 227, 59, 17, "", "3Stars.bmp"},
        {&Pic_2Stars, "Pic_2Stars", K::Picture_Box, S, 574, 250, 59, 17, "", "2Stars.bmp"},
        {&Pic_Vlag(0), "Pic_Vlag", K::Picture_Box, S, 389, 227, 44, 45, "", "Vlag.bmp", "", 4, {45, 0}},
        {&Pic_16Hit, "Pic_16Hit", K::Picture_Box, S, 323, 273, 310, 17, "", "16Hit.bmp"},
        {&Pic_Score(0), "Pic_Score", K::Picture_Box, S, 323, 296, 215, 28, "", "", "", 4, {0, 34}},
        {&Pic_Dubbel, "Pic_Dubbel", K::Picture_Box, S, 544, 296, 89, 50, "Green double score available", "Dubbel.bmp"},
        {&Pic_Digit_Main(0), "Pic_Digit_Main", K::Picture_Box, S, 592, 374, 7, 13, "", "", "", 5, {8, 0}},
        {&Pic_Digit_Stake(0), "Pic_Digit_Stake", K::Picture_Box, S, 592, 392, 7, 13, "Inserted points", "", "", 5, {8, 0}},
        {&Pic_Digit_Saldo(0), "Pic_Digit_Saldo", K::Picture_Box, S, 592, 410, 7, 13, "", "", "", 5, {8, 0}},
        {&Pic_SaldoSign, "Pic_SaldoSign", K::Picture_Box, S, 585, 414, 5, 5},
        {&Pic_Digit_Uur(0), "Pic_Digit_Uur", K::Picture_Box, S, 0, 0, 7, 13, "Time", "", "", 4, {0, 0, Clock_Digit_At}},
        {&Pix_XtrBall(0), "Pix_XtrBall", K::Picture_Box, S, 323, 432, 35, 15, "", "XtrBall.bmp", "", 5, {36, 0}},
        {&Calc_Tip, "Calc_Tip", K::Picture_Box, S, 80, 192, 157, 81},
        {&Label2, "Label2", K::Label, "Calc_Tip", 8, 16, 141, 17, "", "", "Calculating Tips"},
        {&Label3, "Label3", K::Label, "Calc_Tip", 8, 48, 141, 17, "", "", "One moment please ..."},
    };
    // clang-format on
    for (const Control_Spec& s : controls) {
        for (int i = 0; i < std::max(s.Count, 1); ++i) {
            Control& c = s.First[i];
            const Point at =
                s.Row.At ? s.Row.At(i) : Point{s.Left + s.Row.Step_X * i, s.Top + s.Row.Step_Y * i};
            Register(c, s.Count == 0 ? s.Name : Indexed(s.Name, i), s.Kind, s.Container, at.X, at.Y, s.Width,
                     s.Height);
            c.ToolTipText = s.Tip;
            c.Face = s.Face;
            c.Caption = s.Caption;
        }
    }

    // What differs from one element of a row to the next, and the rest.
    const char* tip_texts[] = {"Top number", "Second top number", "Third top number"};
    for (int i = 0; i <= 2; ++i) Tip(i).ToolTipText = tip_texts[i];
    const char* score_tips[] = {"Yellow score", "Red score", "White score", "Green score"};
    for (int i = 0; i <= 3; ++i) Pic_Score(i).ToolTipText = score_tips[i];
    for (int i = 0; i <= 4; ++i)
        Pic_Letter(i).Face = std::string("Letter_") + static_cast<char>('A' + i) + ".bmp";
    Pic_Vlag(0).ToolTipText = "4 flags lit makes green double score available";
    Option1.Value = Check1.Value = Check2.Value = 1;
    Slider1.Min = 0;
    Slider1.Max = 99;
    Timer1.Interval = 1000;
    Timer2.Interval = 250;
    Timer1.Enabled = Timer2.Enabled = false;
    dummie01.Visible = ESound1.Visible = Calc_Tip.Visible = false;
    // The flags start hidden: start-up shows those the settings file holds.
    for (Control& flag : Pic_Vlag) flag.Visible = false;
}

}  // namespace plonk
