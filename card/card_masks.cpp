// The card masks of the machine as it stands.
#include "card/card_masks.h"

#include "card/card_part.h"

namespace plonk::card {

uint32_t Hole_Bits(const Card_Part& m) {
    uint32_t holes = 0;
    for (int n = 1; n <= 25; ++n) holes |= static_cast<uint32_t>(m.Hole_State(n) == 1) << n;
    return holes;
}

Line_Positions Current_Positions(const Card_Part& m) {
    Line_Positions p{};
    for (int line = 0; line < Lines; ++line) p[line] = m.Line_Pos(line);
    return p;
}

uint64_t Lit_Cells(const Card_Part& m) { return Lit_Cells(Hole_Bits(m), Current_Positions(m)); }

}  // namespace plonk::card
