// The seven kinds of win that a scan collects, in the order the machine pays them,
// with the rules they share: the increment rule, the two card-bonus patterns and
// the ranges of line settings that the automatic scan and the tips search.
#pragma once

#include <array>

#include "app/hoofdvenster.h"
#include "card/card_masks.h"

namespace plonk {

// Kinds of win, in the order of payment.
enum Win_Kind : int {
    Kind_Yellow = 1,
    Kind_Red = 2,
    Kind_White = 3,
    Kind_Green = 4,
    Kind_Double = 5,
    Kind_Main_Bonus = 6,
    Kind_Extra_Bonus = 7,
};
constexpr int Row_Kinds = 5;  // kinds 1..5 are rows of a colour zone
constexpr int Win_Kinds = 7;

// The three paid marks of a row kind (1..5).
struct Zone_Flags {
    bool* Got3;
    bool* Got4;
    bool* Got5;
};
Zone_Flags Marks_Of(Hoofdvenster& h, int kind);

// The odds level that pays a row kind (1..5); the green double pays at the green level.
Integer Level_Of(const Hoofdvenster& h, int kind);

// Ask the zone's evaluator for the count of its best unpaid row (0, 3, 4 or 5).
Integer Evaluate_Row(const Hoofdvenster& h, int kind);

// The increment rule: the points a row of `count` (3, 4 or 5) pays at odds `level`,
// less what a shorter row of the same zone already paid this game. The marks up to
// `count` are set. Worked out in 16-bit integers.
Integer Increment_Points(const Hoofdvenster& h, Integer level, Integer count, bool& got3, bool& got4,
                         bool& got5);

// The cells of the two card-bonus patterns: A2, C0, C2, C4, E2 on the main card and
// A5, A9, C7, E5, E9 on the extra card.
constexpr uint64_t Main_Bonus_Cells = card::Cell_Bit(0, 2) | card::Cell_Bit(2, 0) | card::Cell_Bit(2, 2) |
                                      card::Cell_Bit(2, 4) | card::Cell_Bit(4, 2);
constexpr uint64_t Extra_Bonus_Cells = card::Cell_Bit(0, 5) | card::Cell_Bit(0, 9) | card::Cell_Bit(2, 7) |
                                       card::Cell_Bit(4, 5) | card::Cell_Bit(4, 9);

// The card bonus (kind 6 or 7) can be won with these lit cells: its colour at level
// 9, not paid yet this game, and all five pattern cells lit.
bool Bonus_Won(const Hoofdvenster& h, int kind, uint64_t lit);
inline bool Bonus_Won(const Hoofdvenster& h, int kind) { return Bonus_Won(h, kind, card::Lit_Cells(h)); }

// A bonus counter as a 16-bit number of points (held within the 16-bit range).
Integer Bonus_Points(Long bonus);

// The line settings that the automatic scan and the tips try: for each line the
// lowest and highest position. Lines that may still be moved for the coming ball
// are tried over 0..2 as far as the line level allows and the others held at 1;
// once the lines are frozen only the present setting is tried.
struct Line_Ranges {
    std::array<int, 5> Low;
    std::array<int, 5> High;
    int Settings() const;
};
Line_Ranges Search_Ranges(const Hoofdvenster& h);

// The lines may still be moved before the coming ball.
bool Lines_Movable(const Hoofdvenster& h);
// This is the last ball before the lines freeze.
bool Last_Ball_Before_Freeze(const Hoofdvenster& h);

}  // namespace plonk
