// Every row of every colour zone as a mask of cells, and what one more ball could
// complete on a card: the tips light one hole after another on the same setting, and
// ask each zone's rows once per setting rather than once per hole.
//
// A row of the card with lit cells `lit` is complete with a hole lit as well exactly
// when its unlit cells all show that hole: one unlit cell showing it, or two that
// both do (a hole shows in two cells). So per setting each row is looked at once,
// and credited to the one hole, if any, that would complete it.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "card/card_masks.h"

namespace plonk::card {

struct Zone_Row {
    uint64_t Cells = 0;
    int Length = 0;
};

// Six tracks, each with three rows of 3, two of 4 and one of 5.
inline constexpr int Rows_Per_Zone = 36;

constexpr std::array<Zone_Row, Rows_Per_Zone> Make_Rows(const std::array<Track, 6>& tracks,
                                                        int column_shift) {
    std::array<Zone_Row, Rows_Per_Zone> rows{};
    int n = 0;
    for (const Track& t : tracks)
        for (int length = 3; length <= 5; ++length)
            for (int start = 0; start + length <= 5; ++start) {
                Zone_Row& r = rows[n++];
                r.Length = length;
                for (int i = start; i < start + length; ++i)
                    r.Cells |= uint64_t{1} << (t.First + column_shift + i * Direction_Step[t.Direction]);
            }
    return rows;
}

inline constexpr std::array<std::array<Zone_Row, Rows_Per_Zone>, Zone_Count> Zone_Rows = {
    Make_Rows(Zone_Tracks(true), 0),
    Make_Rows(Zone_Tracks(false), 0),
    Make_Rows(Zone_Tracks(true), 5),
    Make_Rows(Zone_Tracks(false), 5),
};

// The hole shown in every cell (line * 10 + column) with the lines at `positions`.
using Cell_Holes = std::array<uint8_t, Lines * Columns>;

inline Cell_Holes Holes_Shown(const Line_Positions& positions) {
    Cell_Holes shown{};
    for (int line = 0; line < Lines; ++line)
        for (int column = 0; column < Columns; ++column)
            shown[Cell_Index(line, column)] =
                static_cast<uint8_t>(Card_Number(line, column, positions[line]));
    return shown;
}

// The longest complete row among some rows, and for each hole the longest that one
// more ball in that hole would complete.
struct Row_Reach {
    int Longest = 0;
    std::array<uint8_t, 26> With_Hole{};

    // The longest row with hole `hole` lit as well.
    int Longest_With(int hole) const { return std::max<int>(Longest, With_Hole[hole]); }

    // Looks at one row of `length` cells.
    void Add(uint64_t lit, const Cell_Holes& shown, uint64_t cells, int length) {
        const uint64_t unlit = cells & ~lit;
        if (unlit == 0) {
            Longest = std::max(Longest, length);
            return;
        }
        const int first = std::countr_zero(unlit);
        const uint64_t rest = unlit & (unlit - 1);
        if (rest != 0 && ((rest & (rest - 1)) != 0 || shown[std::countr_zero(rest)] != shown[first])) return;
        uint8_t& best = With_Hole[shown[first]];
        best = static_cast<uint8_t>(std::max<int>(best, length));
    }
};

// The reach of a zone's rows.
inline Row_Reach Zone_Reach(Zone zone, uint64_t lit, const Cell_Holes& shown) {
    Row_Reach r;
    for (const Zone_Row& row : Zone_Rows[static_cast<int>(zone)]) r.Add(lit, shown, row.Cells, row.Length);
    return r;
}

}  // namespace plonk::card
