// The game's features: scanning and collecting, inserting and investing with its
// feature draws, extra balls, the star game and the tips, with the indicators they
// light.
#pragma once

#include "card/card_part.h"

namespace plonk {

struct Features_Record {
    bool Three_Stars_Feature = false, Two_Stars_Feature = false;
    Integer Invest_Range = 0;
    Integer Star_Game_Rest = 0, Spend_Counter = 0;

    // Calls field(name, member) for every field above, in their order.
    template <class Field>
    void Visit(Field&& field) {
        field("Three_Stars_Feature", Three_Stars_Feature);
        field("Two_Stars_Feature", Two_Stars_Feature);
        field("Invest_Range", Invest_Range);
        field("Star_Game_Rest", Star_Game_Rest);
        field("Spend_Counter", Spend_Counter);
    }
};

// The tips' markers, the bonus and feature indicators, the extra-ball lamps and the
// box shown while the tips are calculated.
struct Features_Controls {
    Arr<Control, 0, 2> Tip;
    Control Pic_RedBonus, Pic_GreenBonus;
    Control Pic_Corners, Pic_4Stars, Pic_3Stars, Pic_2Stars;
    Control Pic_16Hit;
    Arr<Control, 0, 4> Pix_XtrBall;
    Control Calc_Tip, Label2, Label3;
};

class Features_Part : public Card_Part, public Features_Record, public Features_Controls {
public:
    // Scan and collect.
    void Knop_S_Click();
    void Auto_Scan() override;
    void Knop_2_Click();

    // Investing, inserting points, extra balls.
    void Knop_P_Click();
    void Invest_Points();
    void Request_Extra_Ball();
    // Between games, what the finished card still holds is paid as the next invest
    // pays it first: scanned and counted up.
    void Collect_Finished_Card();
    // A green double that was used costs the four flags, as the next game starts.
    void Settle_Green_Double();

    // Star game.
    void Sterrenspel(Integer& Result);
    void Set_Sterspel_Info();
    void Remove_Sterspel_Info();

    // Tips.
    void Set_Tip() override;

    // What the front ends are told at the end of the game's balls.
    Game_Event Game_Over_Event() const override;

    // A fresh board for the new game that an invest starts: every floor's part is
    // reset, so the machine on top does it.
    virtual void Reset_Game() = 0;

protected:
    using Card_Part::Card_Part;
};

}  // namespace plonk
