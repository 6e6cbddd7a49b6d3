// Row evaluation by colour zone: each evaluator answers the longest row of its zone
// that is lit on the card and not paid yet in this game (0, 3, 4 or 5). They read
// the holes, the line positions, the zone's paid marks and its pattern switch, and
// change nothing.
#include "app/hoofdvenster.h"
#include "card/card_masks.h"

namespace plonk {

void Hoofdvenster::Geel_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Zone_Result(card::Lit_Cells(*this), card::Zone::Yellow,
                                                    {Yellow_Got3, Yellow_Got4, Yellow_Got5}, false));
}

void Hoofdvenster::Rood_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Zone_Result(card::Lit_Cells(*this), card::Zone::Red,
                                                    {Red_Got3, Red_Got4, Red_Got5}, Corners_Feature));
}

void Hoofdvenster::Wit_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Zone_Result(card::Lit_Cells(*this), card::Zone::White,
                                                    {White_Got3, White_Got4, White_Got5}, false));
}

void Hoofdvenster::Groen_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Zone_Result(
        card::Lit_Cells(*this), card::Zone::Green, {Green_Got3, Green_Got4, Green_Got5}, Four_Stars_Feature));
}

void Hoofdvenster::Groen_Op_Rij_Dubbel(Integer& Result) const {
    Result =
        static_cast<Integer>(card::Zone_Result(card::Lit_Cells(*this), card::Zone::Green,
                                               {Double_Got3, Double_Got4, Double_Got5}, Four_Stars_Feature));
}

}  // namespace plonk
