// The card's fixed number rings and the line-set code.
//
// Each line A..E (0..4) carries a ring of ten hole numbers. With the line at
// position p (0, 1 or 2; 1 is the rest position) column c shows ring element
// (c + p) Mod 10. Columns 0..4 form the main card, 5..9 the extra card.
#pragma once

#include <array>

namespace plonk::card {

inline constexpr int Lines = 5;
inline constexpr int Columns = 10;
inline constexpr int Positions = 3;
inline constexpr int Rest_Position = 1;
// Line-set codes run 0..242: five base-3 digits, line A the least significant.
inline constexpr int Line_Set_Count = 243;

inline constexpr int Card_Ring[Lines][Columns] = {
    {2, 5, 14, 8, 6, 25, 6, 8, 10, 11},      // A
    {7, 2, 19, 1, 20, 13, 14, 19, 23, 22},   // B
    {25, 23, 9, 17, 12, 3, 15, 18, 16, 17},  // C
    {3, 16, 22, 18, 21, 7, 1, 20, 12, 21},   // D
    {4, 15, 4, 10, 11, 24, 24, 13, 9, 5},    // E
};

// The ring element shown in `column` of a line at `position`.
constexpr int Ring_Index(int column, int position) { return (column + position) % Columns; }

// The hole number shown in (line, column) with the line at `position`.
constexpr int Card_Number(int line, int column, int position) {
    return Card_Ring[line][Ring_Index(column, position)];
}

using Line_Positions = std::array<int, Lines>;

// The five positions coded in a line-set code 0..242.
constexpr Line_Positions Line_Set_Targets(int code) {
    Line_Positions p{};
    for (int line = 0; line < Lines; ++line) {
        p[line] = code % Positions;
        code /= Positions;
    }
    return p;
}

// The line-set code of five positions 0..2.
constexpr int Line_Set_Code(const Line_Positions& p) {
    int code = 0;
    for (int line = Lines - 1; line >= 0; --line) code = code * Positions + p[line];
    return code;
}

}  // namespace plonk::card
