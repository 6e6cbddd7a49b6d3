// The card lamps: the card's number table, and redrawing all 50 lamps.
#include "card/card_part.h"
#include "card/card_table.h"
#include "card/lamp_picture.h"

namespace plonk {

void Card_Part::Init_Lites() {
    // Every cell's number for every position, from the lines' rings.
    for (int line = 0; line < card::Lines; ++line)
        for (int column = 0; column < card::Columns; ++column)
            for (int p = 0; p < card::Positions; ++p)
                Card_Numbers(p, column, line) = To_Integer(card::Card_Number(line, column, p));
}

void Card_Part::Set_Lites() {
    // All 50 lamps anew, line by line, each line column by column.
    for (int line = 0; line < card::Lines; ++line) card::Show_Line_Lamps(*this, line);
}

void Card_Part::Reset_Lites() {
    // Every line back at rest, its next move towards position 2; every lamp unlit.
    for (int line = 0; line < card::Lines; ++line) {
        Line_Pos(line) = card::Rest_Position;
        Line_Dir(line) = 1;
        card::Show_Line_Lamps(*this, line, /*force_unlit=*/true);
    }
}

}  // namespace plonk
