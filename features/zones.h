// The rules that the scan and the tips share: paying a row by the increment rule,
// winning a card bonus, and the line settings both of them search.
#pragma once

#include <array>

#include "card/card_masks.h"
#include "card/win_kinds.h"
#include "features/features_part.h"

namespace plonk {

// The increment rule: the points a row of `count` (3, 4 or 5) pays at odds `level`,
// less what a shorter row of the same zone already paid this game. The marks up to
// `count` are set. Worked out in 16-bit integers.
Integer Increment_Points(const Features_Part& h, Integer level, Integer count, bool& got3, bool& got4,
                         bool& got5);

// Pay a row of `count` (3, 4 or 5) of a row kind by the increment rule at the kind's
// level: its marks are set, and the green double's use with a green double row.
Integer Pay_Row(Features_Part& h, Win_Kind kind, Integer count);

// The card bonus is open: its colour at level 9 and not paid yet this game.
bool Bonus_Open(const Features_Part& h, Win_Kind kind);
// The card bonus can be won with these lit cells: open, and all five pattern cells lit.
bool Bonus_Won(const Features_Part& h, Win_Kind kind, uint64_t lit);
inline bool Bonus_Won(const Features_Part& h, Win_Kind kind) {
    return Bonus_Won(h, kind, card::Lit_Cells(h));
}

// The line settings that the automatic scan and the tips try: for each line the
// lowest and highest position. Lines that may still be moved for the coming ball
// are tried over 0..2 as far as the line level allows and the others held at 1;
// once the lines are frozen only the present setting is tried.
struct Line_Ranges {
    std::array<int, 5> Low;
    std::array<int, 5> High;
    int Settings() const;
};
Line_Ranges Search_Ranges(const Features_Part& h);

// Visits every setting of the ranges with its line-set code: line A outermost and
// line E innermost, each from its low to its high end.
template <class Visit>
void For_Each_Setting(const Line_Ranges& r, Visit&& visit) {
    card::Line_Positions pos{};
    for (pos[0] = r.Low[0]; pos[0] <= r.High[0]; ++pos[0])
        for (pos[1] = r.Low[1]; pos[1] <= r.High[1]; ++pos[1])
            for (pos[2] = r.Low[2]; pos[2] <= r.High[2]; ++pos[2])
                for (pos[3] = r.Low[3]; pos[3] <= r.High[3]; ++pos[3])
                    for (pos[4] = r.Low[4]; pos[4] <= r.High[4]; ++pos[4])
                        visit(static_cast<const card::Line_Positions&>(pos), card::Line_Set_Code(pos));
}

// What a scan would pay now, with the lines where they stand: the new rows of every
// kind in force by the increment rule, and the card bonuses won. Nothing is changed.
long long Scan_Would_Pay(const Features_Part& h);

}  // namespace plonk
