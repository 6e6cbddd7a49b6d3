// How a card lamp chooses its picture.
#pragma once

#include <string>

namespace plonk {
class Card_Part;
}

namespace plonk::card {

// A mid lamp shows ring element 3 or 8 of its line: at rest the centre columns 2
// and 7 of the two cards; the marking travels with the number as the line moves.
constexpr bool Mid_Lamp(int column, int position) {
    const int sum = column + position;
    return sum == 3 || sum == 8;
}

// Redraws the ten lamps of a line, column 0 to 9, for the line's current position:
// each lit when a ball lies in the hole of its number, or all unlit when
// `force_unlit`.
void Show_Line_Lamps(Card_Part& m, int line, bool force_unlit = false);

}  // namespace plonk::card
