// The card: its numbers, its lamps, the five lines and their positions, the line
// level that frees them, the setting the tips advise, the features that make
// patterns into rows, and the rows paid this game.
#pragma once

#include "playfield/playfield_part.h"

namespace plonk {

struct Card_Record {
    Arr3<Integer, 0, 2, 0, 9, 0, 4> Card_Numbers;
    Arr<Integer, 0, 4> Line_Pos;
    Arr<Integer, 0, 4> Line_Dir;
    Integer Line_Level = 0;
    Integer Tip_Line_Set = 0;
    bool Corners_Feature = false, Four_Stars_Feature = false;
    // Paid marks, one game each.
    bool Yellow_Got3 = false, Yellow_Got4 = false, Yellow_Got5 = false;
    bool Red_Got3 = false, Red_Got4 = false, Red_Got5 = false;
    bool White_Got3 = false, White_Got4 = false, White_Got5 = false;
    bool Green_Got3 = false, Green_Got4 = false, Green_Got5 = false;
    bool Double_Got3 = false, Double_Got4 = false, Double_Got5 = false;
    bool Main_Bonus_Paid = false, Extra_Bonus_Paid = false;
    bool Green_Double_Used = false;

    // Calls field(name, member) for every field above, in their order.
    template <class Field>
    void Visit(Field&& field) {
        field("Card_Numbers", Card_Numbers);
        field("Line_Pos", Line_Pos);
        field("Line_Dir", Line_Dir);
        field("Line_Level", Line_Level);
        field("Tip_Line_Set", Tip_Line_Set);
        field("Corners_Feature", Corners_Feature);
        field("Four_Stars_Feature", Four_Stars_Feature);
        field("Yellow_Got3", Yellow_Got3);
        field("Yellow_Got4", Yellow_Got4);
        field("Yellow_Got5", Yellow_Got5);
        field("Red_Got3", Red_Got3);
        field("Red_Got4", Red_Got4);
        field("Red_Got5", Red_Got5);
        field("White_Got3", White_Got3);
        field("White_Got4", White_Got4);
        field("White_Got5", White_Got5);
        field("Green_Got3", Green_Got3);
        field("Green_Got4", Green_Got4);
        field("Green_Got5", Green_Got5);
        field("Double_Got3", Double_Got3);
        field("Double_Got4", Double_Got4);
        field("Double_Got5", Double_Got5);
        field("Main_Bonus_Paid", Main_Bonus_Paid);
        field("Extra_Bonus_Paid", Extra_Bonus_Paid);
        field("Green_Double_Used", Green_Double_Used);
    }
};

// The card's lamps, the arrows of the line levels and the letters of the movable
// lines.
struct Card_Controls {
    Arr<Control, 0, 49> Lites;
    Arr<Control, 0, 4> Pic_Pijl;
    Arr<Control, 0, 4> Pic_Letter;
};

class Card_Part : public Playfield_Part, public Card_Record, public Card_Controls {
public:
    // Card lamps.
    void Init_Lites();
    void Set_Lites() override;
    void Reset_Lites();
    // The number and state each lamp was last given.
    Shown_Pictures<50> Shown_Lamps;

    // Card lines.
    void Knop_A_Click();
    void Knop_B_Click();
    void Knop_C_Click();
    void Knop_D_Click();
    void Knop_E_Click();
    void Command1_Click();
    void Auto_Lines(Integer& LineSet);
    void Set_Lijnen();

    // Row evaluation.
    void Geel_Op_Rij(Integer& Result) const;
    void Rood_Op_Rij(Integer& Result) const;
    void Wit_Op_Rij(Integer& Result) const;
    void Groen_Op_Rij(Integer& Result) const;
    void Groen_Op_Rij_Dubbel(Integer& Result) const;

protected:
    using Playfield_Part::Playfield_Part;
};

}  // namespace plonk
