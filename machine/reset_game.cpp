// A fresh board for a new game.
#include "app/picture_names.h"
#include "machine/hoofdvenster.h"
#include "playfield/board_layout.h"

namespace plonk {

namespace {

// A feature or a lit star switched off, and its picture hidden.
void Switch_Off(bool& feature, Control& picture) {
    feature = false;
    picture.Visible = false;
}

}  // namespace

void Hoofdvenster::Reset_Game() {
    // 1..3. Start speed and its indicator; the ball at rest.
    Start_Speed = 70;
    Load_Picture(Pic_Kracht, "Kracht.bmp");
    Ball_VX = To_Integer(100 - Start_Speed);
    Ball_VY = 100;
    // 4. The five extra-ball places and their balls are hidden.
    for (int i = 5; i <= 9; ++i) {
        Pix_XtrBall(i - 5).Visible = false;
        Image_Bal(i).Visible = false;
    }
    // 5. Every ball back in the column of waiting balls, ball 0 lowest.
    for (int i = 0; i <= 9; ++i) {
        Image_Bal(i).Left = board::Waiting_Ball(i).X;
        Image_Bal(i).Top = board::Waiting_Ball(i).Y;
    }
    // 6. Both rollover stars off.
    Switch_Off(Yellow_Star_Lit, Pic_Ster_Geel);
    Switch_Off(Red_Star_Lit, Pic_Ster_Rood);
    // 7..8. No line feature; empty holes; every line at rest and every lamp unlit.
    Fifth_Ball = false;
    Line_Level = 0;
    Set_Lijnen();
    Init_Holes();
    Reset_Lites();
    // 9. The score boards at level 0.
    for (int i = 0; i <= 3; ++i) Load_Picture(Pic_Score(i), Score_Board_File(i, 0));
    // 10..12. No bonus indicators, no features (the stars went out at step 6).
    Pic_RedBonus.Visible = false;
    Pic_GreenBonus.Visible = false;
    Switch_Off(Corners_Feature, Pic_Corners);
    Switch_Off(Four_Stars_Feature, Pic_4Stars);
    Switch_Off(Three_Stars_Feature, Pic_3Stars);
    Switch_Off(Two_Stars_Feature, Pic_2Stars);
    Switch_Off(Hit16_Feature, Pic_16Hit);
    // 13. The flags of the previous game stay.
    Set_Vlaggen();
    // 14. Nothing paid yet.
    Yellow_Got3 = Yellow_Got4 = Yellow_Got5 = false;
    Red_Got3 = Red_Got4 = Red_Got5 = false;
    White_Got3 = White_Got4 = White_Got5 = false;
    Green_Got3 = Green_Got4 = Green_Got5 = false;
    Double_Got3 = Double_Got4 = Double_Got5 = false;
    Main_Bonus_Paid = Extra_Bonus_Paid = false;
    Green_Double_Used = false;
    // 15. No tips.
    for (int i = 0; i <= 2; ++i) {
        Tip(i).Visible = false;
        Tip(i).Left = 6;
        Tip(i).Top = 210 + 30 * i;
    }
    // 16. Nothing to set the lines to.
    Command1.Enabled = false;
}

}  // namespace plonk
