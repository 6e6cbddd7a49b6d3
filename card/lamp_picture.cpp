// The lamp picture rule.
#include "card/lamp_picture.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "app/hoofdvenster.h"
#include "card/card_table.h"

namespace plonk::card {

std::string Lamp_Picture(int number, bool lit, bool mid) {
    // The last two characters of the text of number + 100: "01" .. "25".
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number + 100).ptr;
    std::string name(end - std::min<std::ptrdiff_t>(2, end - digits), end);
    name += lit ? "-on" : "-off";
    if (mid) name += "-mid";
    name += ".gif";
    return name;
}

void Show_Lamp(Hoofdvenster& m, int line, int column, bool force_unlit) {
    // 1. The number the lamp shows with the line where it stands.
    const int p = m.Line_Pos(line);
    const int n = m.Card_Numbers(p, column, line);
    // 2..3. Lit when a ball lies in that hole; mid by the ring element shown.
    const bool lit = !force_unlit && m.Hole_State(n) == 1;
    // 4..5. Load the picture onto the lamp.
    m.Load_Picture(m.Lites(line * Columns + column), Lamp_Picture(n, lit, Mid_Lamp(column, p)));
}

void Show_Line_Lamps(Hoofdvenster& m, int line) {
    for (int column = 0; column < Columns; ++column) Show_Lamp(m, line, column);
}

}  // namespace plonk::card
