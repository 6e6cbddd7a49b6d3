// The lamp picture rule.
#include "card/lamp_picture.h"

#include "app/picture_names.h"
#include "card/card_part.h"
#include "card/card_table.h"

namespace plonk::card {

void Show_Lamp(Card_Part& m, int line, int column, bool force_unlit) {
    // 1. The number the lamp shows with the line where it stands.
    const int p = m.Line_Pos(line);
    const int n = m.Card_Numbers(p, column, line);
    // 2..3. Lit when a ball lies in that hole; mid by the ring element shown.
    const bool lit = !force_unlit && m.Hole_State(n) == 1;
    // 4..5. Load the picture onto the lamp.
    m.Load_Picture(m.Lites(line * Columns + column), Lamp_File(n, lit, Mid_Lamp(column, p)));
}

void Show_Line_Lamps(Card_Part& m, int line) {
    for (int column = 0; column < Columns; ++column) Show_Lamp(m, line, column);
}

}  // namespace plonk::card
