// The lamp picture rule.
#include "card/lamp_picture.h"

#include "app/picture_names.h"
#include "card/card_part.h"
#include "card/card_table.h"

namespace plonk::card {

namespace {

// Shows lamp (line, column) with the line at position `p`, and the keys of the
// pictures as they are shown now (Picture_Key_Tag).
void Show_Lamp(Card_Part& m, int line, int column, bool force_unlit, int p, int32_t tag) {
    // 1. The number the lamp shows with the line where it stands.
    const int n = m.Card_Numbers(p, column, line);
    // 2..3. Lit when a ball lies in that hole; mid by the ring element shown.
    const bool lit = !force_unlit && m.Hole_State(n) == 1;
    // 4..5. Load the picture onto the lamp.
    const bool mid = Mid_Lamp(column, p);
    static_assert(sizeof m.Shown_Lamps.Key / sizeof(int32_t) == Lines * Columns);
    const int lamp = line * Columns + column;
    const int32_t key = (n & 0x3fff) << 2 | lit << 1 | mid;
    Control& c = m.Lites(lamp);
    if (!m.Shown_Lamps.Shows(c, lamp, key, tag))
        m.Load_Keyed_Picture(c, Lamp_File(n, lit, mid), m.Shown_Lamps.Key[lamp], key, tag);
}

}  // namespace

void Show_Line_Lamps(Card_Part& m, int line, bool force_unlit) {
    const int p = m.Line_Pos(line);
    const int32_t tag = m.Picture_Key_Tag();
    for (int column = 0; column < Columns; ++column) Show_Lamp(m, line, column, force_unlit, p, tag);
}

}  // namespace plonk::card
