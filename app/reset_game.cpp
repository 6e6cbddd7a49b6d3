// A fresh board for a new game.
#include "app/hoofdvenster.h"

namespace plonk {

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
        Image_Bal(i).Left = 295;
        Image_Bal(i).Top = 384 - 20 * i;
    }
    // 6. Both rollover stars off.
    Yellow_Star_Lit = false;
    Pic_Ster_Geel.Visible = false;
    Red_Star_Lit = false;
    Pic_Ster_Rood.Visible = false;
    // 7..8. No line feature; empty holes; every line at rest and every lamp unlit.
    Fifth_Ball = false;
    Line_Level = 0;
    Set_Lijnen();
    Init_Holes();
    Reset_Lites();
    // 9. The score boards at level 0.
    Load_Picture(Pic_Score(0), "GeleScore_0.bmp");
    Load_Picture(Pic_Score(1), "RodeScore_0.bmp");
    Load_Picture(Pic_Score(2), "WitteScore_0.bmp");
    Load_Picture(Pic_Score(3), "GroeneScore_0.bmp");
    // 10..12. No bonus indicators, no features, no stars.
    Pic_RedBonus.Visible = false;
    Pic_GreenBonus.Visible = false;
    Corners_Feature = false;
    Pic_Corners.Visible = false;
    Four_Stars_Feature = false;
    Pic_4Stars.Visible = false;
    Three_Stars_Feature = false;
    Pic_3Stars.Visible = false;
    Two_Stars_Feature = false;
    Pic_2Stars.Visible = false;
    Hit16_Feature = false;
    Pic_16Hit.Visible = false;
    Yellow_Star_Lit = false;
    Pic_Ster_Geel.Visible = false;
    Red_Star_Lit = false;
    Pic_Ster_Rood.Visible = false;
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
