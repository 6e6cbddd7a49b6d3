// Row evaluation by colour zone: each evaluator answers the longest row of its zone
// that is lit on the card and not paid yet in this game (0, 3, 4 or 5). They read
// the holes, the line positions, the zone's paid marks and its pattern switch, and
// change nothing.
#include "app/hoofdvenster.h"
#include "card/card_evaluate.h"

namespace plonk {

void Hoofdvenster::Geel_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Evaluate(*this, card::Lit_Cells(*this), card::Evaluator::Geel));
}

void Hoofdvenster::Rood_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Evaluate(*this, card::Lit_Cells(*this), card::Evaluator::Rood));
}

void Hoofdvenster::Wit_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Evaluate(*this, card::Lit_Cells(*this), card::Evaluator::Wit));
}

void Hoofdvenster::Groen_Op_Rij(Integer& Result) const {
    Result = static_cast<Integer>(card::Evaluate(*this, card::Lit_Cells(*this), card::Evaluator::Groen));
}

void Hoofdvenster::Groen_Op_Rij_Dubbel(Integer& Result) const {
    Result =
        static_cast<Integer>(card::Evaluate(*this, card::Lit_Cells(*this), card::Evaluator::Groen_Dubbel));
}

}  // namespace plonk
