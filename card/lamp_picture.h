// How a card lamp chooses its picture.
#pragma once

#include <string>

namespace plonk {
class Hoofdvenster;
}

namespace plonk::card {

// A mid lamp shows ring element 3 or 8 of its line: at rest the centre columns 2
// and 7 of the two cards; the marking travels with the number as the line moves.
constexpr bool Mid_Lamp(int column, int position) {
    const int sum = column + position;
    return sum == 3 || sum == 8;
}

// The picture file of a lamp showing hole `number` (1..25): the number as two digits
// followed by "-on-mid.gif", "-on.gif", "-off-mid.gif" or "-off.gif".
std::string Lamp_Picture(int number, bool lit, bool mid);

// Shows lamp (line, column) for the line's current position: lit when a ball lies
// in the hole of its number, or always unlit when `force_unlit`.
void Show_Lamp(Hoofdvenster& m, int line, int column, bool force_unlit = false);

// Redraws the ten lamps of a line, column 0 to 9.
void Show_Line_Lamps(Hoofdvenster& m, int line);

}  // namespace plonk::card
