// Row evaluation by colour zone: each evaluator answers the longest row of its zone
// that is lit on the card and not paid yet in this game (0, 3, 4 or 5). They read
// the holes, the line positions, the zone's paid marks and its pattern switch, and
// change nothing.
#include "card/card_evaluate.h"
#include "card/card_part.h"

namespace plonk {

namespace {

// The answer of a row kind's evaluator on the card as it stands (0, 3, 4 or 5).
template <Win_Kind Kind>
Integer Row_Answer(const Card_Part& m) {
    return To_Integer(card::Evaluate<Kind>(m, card::Runs_Of(card::Lit_Cells(m))));
}

}  // namespace

void Card_Part::Geel_Op_Rij(Integer& Result) const { Result = Row_Answer<Win_Kind::Yellow>(*this); }
void Card_Part::Rood_Op_Rij(Integer& Result) const { Result = Row_Answer<Win_Kind::Red>(*this); }
void Card_Part::Wit_Op_Rij(Integer& Result) const { Result = Row_Answer<Win_Kind::White>(*this); }
void Card_Part::Groen_Op_Rij(Integer& Result) const { Result = Row_Answer<Win_Kind::Green>(*this); }
void Card_Part::Groen_Op_Rij_Dubbel(Integer& Result) const {
    Result = Row_Answer<Win_Kind::Green_Double>(*this);
}

}  // namespace plonk
