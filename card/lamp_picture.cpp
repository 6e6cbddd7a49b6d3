// The lamp picture rule.
#include "card/lamp_picture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

#include "app/hoofdvenster.h"
#include "card/card_table.h"

namespace plonk::card {

namespace {

std::string Lamp_Name(int number, bool lit, bool mid) {
    // The last two characters of the text of number + 100: "01" .. "25".
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number + 100).ptr;
    std::string name(end - std::min<std::ptrdiff_t>(2, end - digits), end);
    name += lit ? "-on" : "-off";
    if (mid) name += "-mid";
    name += ".gif";
    return name;
}

// The names of the holes' lamps, by hole, lit and mid, made once.
using Lamp_Names = std::array<std::array<std::array<std::string, 2>, 2>, 26>;

const Lamp_Names& Hole_Lamp_Names() {
    static const Lamp_Names names = [] {
        Lamp_Names n;
        for (int hole = 1; hole <= 25; ++hole)
            for (int lit = 0; lit <= 1; ++lit)
                for (int mid = 0; mid <= 1; ++mid) n[hole][lit][mid] = Lamp_Name(hole, lit == 1, mid == 1);
        return n;
    }();
    return names;
}

}  // namespace

std::string Lamp_Picture(int number, bool lit, bool mid) {
    if (number >= 1 && number <= 25) return Hole_Lamp_Names()[number][lit][mid];
    return Lamp_Name(number, lit, mid);
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
