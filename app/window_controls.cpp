// The window's controls: kind, place, caption or tooltip and own picture of each.
#include <string>

#include "app/hoofdvenster.h"

namespace plonk {

namespace {
const char* const kScherm = "Pic_Scherm";
std::string Indexed(const std::string& name, int i) { return name + "(" + std::to_string(i) + ")"; }
}  // namespace

void Hoofdvenster::Register(Control& c, const std::string& name, Control_Kind kind,
                            const std::string& container, int left, int top, int width, int height) {
    c.Name = name;
    c.Kind = kind;
    c.Container = container;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    all_controls_.push_back(&c);
    by_name_[name] = &c;
}

Control* Hoofdvenster::Find_Control(const std::string& name) {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

void Hoofdvenster::Build_Controls() {
    using K = Control_Kind;

    // On the window, in twips.
    Register(Pic_Scherm, "Pic_Scherm", K::Picture_Box, "", 120, 120, 9660, 7260);
    Pic_Scherm.Face = "Scherm.bmp";

    struct Game_Button {
        Control* c;
        const char* name;
        int left, width;
        const char* tip;
    };
    const Game_Button buttons[] = {
        {&Knop_KrachtOmlaag, "Knop_KrachtOmlaag", 5055, 220, "Decrease ball start speed"},
        {&Knop_KrachtOmhoog, "Knop_KrachtOmhoog", 5295, 220, "Increase ball start speed"},
        {&Knop_Bal, "Knop_Bal", 5520, 220, "Play next ball"},
        {&Knop_A, "Knop_A", 5925, 220, "Move line A"},
        {&Knop_B, "Knop_B", 6165, 220, "Move line B"},
        {&Knop_C, "Knop_C", 6405, 220, "Move line C"},
        {&Knop_D, "Knop_D", 6645, 220, "Move line D"},
        {&Knop_E, "Knop_E", 6885, 220, "Move line E"},
        {&Knop_P, "Knop_P", 7290, 220, "Insert points"},
        {&Knop_S, "Knop_S", 7530, 220, "Scan and collect scores"},
        {&Knop_2, "Knop_2", 7890, 330, "Collect green double score"},
        {&Knop_F1, "Knop_F1", 8430, 220, "Invest points"},
        {&Knop_F2, "Knop_F2", 8670, 220, "Request extra balls"},
    };
    for (const auto& b : buttons) {
        Register(*b.c, b.name, K::Picture_Button, "", b.left, 6995, b.width, 255);
        b.c->ToolTipText = b.tip;
        b.c->Face = std::string(b.name) + ".bmp";
    }

    Register(Option1, "Option1", K::Check_Box, "", 120, 7560, 855, 255);
    Option1.Caption = "&Sound";
    Option1.Value = 1;
    Register(Check1, "Check1", K::Check_Box, "", 1080, 7560, 1095, 255);
    Check1.Caption = "Show &Tips";
    Check1.Value = 1;
    Register(Check2, "Check2", K::Check_Box, "", 2280, 7560, 1575, 255);
    Check2.Caption = "&Automatic Scan";
    Check2.Value = 1;
    Register(Command1, "Command1", K::Button, "", 3960, 7440, 855, 495);
    Command1.Caption = "Set &Lines";
    Register(Slider1, "Slider1", K::Slider, "", 5040, 7440, 3735, 255);
    Slider1.ToolTipText = "Average ball speed regulator - rightclick for more options";
    Slider1.Min = 0;
    Slider1.Max = 99;
    Register(Label1, "Label1", K::Label, "", 5160, 7680, 3495, 255);
    Label1.Caption = "Slow ----------------------Ball speed------------------------Fast";
    Register(Knop_Sluiten, "Knop_Sluiten", K::Button, "", 8880, 7440, 855, 495);
    Knop_Sluiten.Caption = "&Close";
    Register(Command2, "Command2", K::Button, "", 9120, 7560, 375, 255);
    Register(Timer1, "Timer1", K::Timer, "", 0, 0, 0, 0);
    Timer1.Interval = 1000;
    Timer1.Enabled = false;
    Register(Timer2, "Timer2", K::Timer, "", 0, 0, 0, 0);
    Timer2.Interval = 250;
    Timer2.Enabled = false;
    Register(dummie01, "dummie01", K::Menu, "", 0, 0, 0, 0);
    dummie01.Caption = "&Ball speed offset";
    dummie01.Visible = false;
    Register(Mnu_BallSpeedOffsetInc, "Mnu_BallSpeedOffsetInc", K::Menu_Item, "dummie01", 0, 0, 0, 0);
    Mnu_BallSpeedOffsetInc.Caption = "&Increase offset (slower)";
    Register(Mnu_BallSpeedOffsetDec, "Mnu_BallSpeedOffsetDec", K::Menu_Item, "dummie01", 0, 0, 0, 0);
    Mnu_BallSpeedOffsetDec.Caption = "&Decrease offset (faster)";
    Register(ESound1, "ESound1", K::Sound, "", 0, 0, 0, 0);
    ESound1.Visible = false;

    // Inside Pic_Scherm, in pixels.
    Register(Pic_Kracht, "Pic_Kracht", K::Picture_Box, kScherm, 289, 420, 10, 31);
    Pic_Kracht.ToolTipText = "Ball start speed indicator";
    for (int i = 0; i <= 9; ++i) {
        Register(Image_Bal(i), Indexed("Image_Bal", i), K::Image, kScherm, 295, 384 - 20 * i, 15, 15);
        Image_Bal(i).Face = "Bal.gif";
    }
    const char* tip_texts[] = {"Top number", "Second top number", "Third top number"};
    for (int i = 0; i <= 2; ++i) {
        Register(Tip(i), Indexed("Tip", i), K::Image, kScherm, 6, 210 + 30 * i, 15, 15);
        Tip(i).ToolTipText = tip_texts[i];
        Tip(i).Face = "Tip.gif";
    }
    const char* star_tip = "If ball rolls over then 5th ball will be available";
    Register(Pic_Ster_Geel, "Pic_Ster_Geel", K::Picture_Box, kScherm, 54, 372, 13, 13);
    Pic_Ster_Geel.ToolTipText = star_tip;
    Pic_Ster_Geel.Face = "Ster_Geel.bmp";
    Register(Pic_Ster_Rood, "Pic_Ster_Rood", K::Picture_Box, kScherm, 250, 372, 13, 13);
    Pic_Ster_Rood.ToolTipText = star_tip;
    Pic_Ster_Rood.Face = "Ster_Rood.bmp";

    const int lamp_left[10] = {327, 357, 387, 417, 447, 487, 517, 547, 577, 607};
    for (int i = 0; i <= 49; ++i)
        Register(Lites(i), Indexed("Lites", i), K::Image, kScherm, lamp_left[i % 10], 34 + 30 * (i / 10), 21,
                 21);

    for (int i = 0; i <= 3; ++i) {
        Register(Pic_Digit_RedBonus(i), Indexed("Pic_Digit_RedBonus", i), K::Picture_Box, kScherm,
                 382 + 8 * i, 186, 7, 13);
        Pic_Digit_RedBonus(i).ToolTipText = "Main card bonus";
    }
    for (int i = 0; i <= 3; ++i) {
        Register(Pic_Digit_GreenBonus(i), Indexed("Pic_Digit_GreenBonus", i), K::Picture_Box, kScherm,
                 542 + 8 * i, 186, 7, 13);
        Pic_Digit_GreenBonus(i).ToolTipText = "Extra card bonus";
    }
    Register(Pic_RedBonus, "Pic_RedBonus", K::Picture_Box, kScherm, 329, 187, 40, 11);
    Pic_RedBonus.ToolTipText = "Play all purple circled numbers on main card to win main card bonus";
    Pic_RedBonus.Face = "RedBonus.bmp";
    Register(Pic_GreenBonus, "Pic_GreenBonus", K::Picture_Box, kScherm, 586, 187, 40, 11);
    Pic_GreenBonus.ToolTipText = "Play all purple circled numbers on extra card to win extra card bonus";
    Pic_GreenBonus.Face = "GreenBonus.bmp";

    const int arrow_left[5] = {322, 339, 356, 373, 390};
    for (int i = 0; i <= 4; ++i) {
        Register(Pic_Pijl(i), Indexed("Pic_Pijl", i), K::Picture_Box, kScherm, arrow_left[i], 208, 16, 13);
        Pic_Pijl(i).Face = "Pijl.bmp";
    }
    for (int i = 0; i <= 4; ++i) {
        Register(Pic_Letter(i), Indexed("Pic_Letter", i), K::Picture_Box, kScherm, 410 + 18 * i, 208, 17, 13);
        Pic_Letter(i).ToolTipText = "Moveable line indicator";
        Pic_Letter(i).Face = std::string("Letter_") + static_cast<char>('A' + i) + ".bmp";
    }
    Register(Pic_4thBall, "Pic_4thBall", K::Picture_Box, kScherm, 500, 208, 66, 13);
    Pic_4thBall.ToolTipText = "Move lines before playing 4th ball";
    Pic_4thBall.Face = "4thBall.bmp";
    Register(Pic_5thBall, "Pic_5thBall", K::Picture_Box, kScherm, 567, 208, 66, 13);
    Pic_5thBall.ToolTipText = "Move lines before playing 5th ball";
    Pic_5thBall.Face = "5thBall.bmp";

    Register(Pic_Corners, "Pic_Corners", K::Picture_Box, kScherm, 323, 227, 60, 17);
    Pic_Corners.ToolTipText = "Play all red circled numbers to win red 5-in-line";
    Pic_Corners.Face = "Corners.bmp";
    Register(Pic_4Stars, "Pic_4Stars", K::Picture_Box, kScherm, 323, 250, 60, 17);
    Pic_4Stars.ToolTipText = "Play all star numbers to win green 5-in-line";
    Pic_4Stars.Face = "4Stars.bmp";
    Register(Pic_3Stars, "Pic_3Stars", K::Picture_Box, kScherm, 574, 227, 59, 17);
    Pic_3Stars.Face = "3Stars.bmp";
    Register(Pic_2Stars, "Pic_2Stars", K::Picture_Box, kScherm, 574, 250, 59, 17);
    Pic_2Stars.Face = "2Stars.bmp";

    // The flags start hidden: start-up shows those the settings file holds.
    for (int i = 0; i <= 3; ++i) {
        Register(Pic_Vlag(i), Indexed("Pic_Vlag", i), K::Picture_Box, kScherm, 389 + 45 * i, 227, 44, 45);
        Pic_Vlag(i).Face = "Vlag.bmp";
        Pic_Vlag(i).Visible = false;
    }
    Pic_Vlag(0).ToolTipText = "4 flags lit makes green double score available";

    Register(Pic_16Hit, "Pic_16Hit", K::Picture_Box, kScherm, 323, 273, 310, 17);
    Pic_16Hit.Face = "16Hit.bmp";

    const char* score_tips[] = {"Yellow score", "Red score", "White score", "Green score"};
    for (int i = 0; i <= 3; ++i) {
        Register(Pic_Score(i), Indexed("Pic_Score", i), K::Picture_Box, kScherm, 323, 296 + 34 * i, 215, 28);
        Pic_Score(i).ToolTipText = score_tips[i];
    }
    Register(Pic_Dubbel, "Pic_Dubbel", K::Picture_Box, kScherm, 544, 296, 89, 50);
    Pic_Dubbel.ToolTipText = "Green double score available";
    Pic_Dubbel.Face = "Dubbel.bmp";

    for (int i = 0; i <= 4; ++i)
        Register(Pic_Digit_Main(i), Indexed("Pic_Digit_Main", i), K::Picture_Box, kScherm, 592 + 8 * i, 374,
                 7, 13);
    for (int i = 0; i <= 4; ++i) {
        Register(Pic_Digit_Stake(i), Indexed("Pic_Digit_Stake", i), K::Picture_Box, kScherm, 592 + 8 * i, 392,
                 7, 13);
        Pic_Digit_Stake(i).ToolTipText = "Inserted points";
    }
    for (int i = 0; i <= 4; ++i)
        Register(Pic_Digit_Saldo(i), Indexed("Pic_Digit_Saldo", i), K::Picture_Box, kScherm, 592 + 8 * i, 410,
                 7, 13);
    Register(Pic_SaldoSign, "Pic_SaldoSign", K::Picture_Box, kScherm, 585, 414, 5, 5);

    const int clock_left[4] = {598, 606, 616, 624};
    for (int i = 0; i <= 3; ++i) {
        Register(Pic_Digit_Uur(i), Indexed("Pic_Digit_Uur", i), K::Picture_Box, kScherm, clock_left[i], 458,
                 7, 13);
        Pic_Digit_Uur(i).ToolTipText = "Time";
    }
    for (int i = 0; i <= 4; ++i) {
        Register(Pix_XtrBall(i), Indexed("Pix_XtrBall", i), K::Picture_Box, kScherm, 323 + 36 * i, 432, 35,
                 15);
        Pix_XtrBall(i).Face = "XtrBall.bmp";
    }

    Register(Calc_Tip, "Calc_Tip", K::Picture_Box, kScherm, 80, 192, 157, 81);
    Calc_Tip.Visible = false;
    Register(Label2, "Label2", K::Label, "Calc_Tip", 8, 16, 141, 17);
    Label2.Caption = "Calculating Tips";
    Register(Label3, "Label3", K::Label, "Calc_Tip", 8, 48, 141, 17);
    Label3.Caption = "One moment please ...";
}

}  // namespace plonk
