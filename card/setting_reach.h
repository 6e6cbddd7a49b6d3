// What one more ball could complete in each colour zone, for every hole at once and
// for every line setting: the fast building block of the tips.
//
// A row of the card is complete with one more hole lit exactly when its unlit
// cells all show that hole. A row's unlit holes are the holes its cells show, less
// the lit ones: none, the row is complete; one, a ball in that hole completes it;
// more, no single ball does. A row crosses a run of lines (one line, or three to
// five in a column or a diagonal), so the holes it shows depend on those lines'
// positions only: the rows of all four zones are grouped by the lines they cross,
// each group knows the holes its rows show at every setting of its own lines, and a
// whole setting is the merge of its groups' answers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "card/card_masks.h"

namespace plonk::card {

// Among some rows: the lengths of the complete ones (bit n for a complete row of
// n), and per length 3, 4 and 5 (index length - 2) the holes a ball in which would
// complete a row that long.
struct Hole_Reach {
    std::array<uint32_t, 4> Words{};

    // A row of `length` cells whose unlit cells show the holes `unlit`: its length
    // when complete, into word 0, and the hole that completes it, into word
    // length - 2.
    static uint32_t Complete_Length(uint32_t unlit, int length) {
        return static_cast<uint32_t>(unlit == 0) << length;
    }
    static uint32_t Completing_Hole(uint32_t unlit) { return (unlit & (unlit - 1)) == 0 ? unlit : 0u; }
    void Add(uint32_t unlit, int length) {
        Words[0] |= Complete_Length(unlit, length);
        Words[static_cast<size_t>(length - 2)] |= Completing_Hole(unlit);
    }
    // Of `holes`, those whose ball makes the longest complete row exactly 3, 4 and 5
    // long (index length - 3).
    std::array<uint32_t, 3> Exactly(uint32_t holes) const {
        const uint32_t complete = Words[0];
        const uint32_t at_least5 = complete >> 5 ? holes : Words[3] & holes;
        const uint32_t at_least4 = complete >> 4 ? holes : (Words[2] | Words[3]) & holes;
        const uint32_t at_least3 = complete >> 3 ? holes : (Words[1] | Words[2] | Words[3]) & holes;
        return {at_least3 & ~at_least4, at_least4 & ~at_least5, at_least5};
    }
};

// The reach of the four zones, word by word: each word of a zone's reach for the
// four zones side by side, so that the rows of all zones add to it at once.
struct Zone_Reaches {
    std::array<std::array<uint32_t, Zone_Count>, 4> Words{};

    Hole_Reach Of(int zone) const {
        Hole_Reach r;
        for (size_t w = 0; w < r.Words.size(); ++w) r.Words[w] = Words[w][static_cast<size_t>(zone)];
        return r;
    }
};

// The bit of the hole every cell shows, by line, position of the line and column.
inline constexpr auto Cell_Bits = [] {
    std::array<std::array<std::array<uint32_t, Columns>, Positions>, Lines> bits{};
    for (int line = 0; line < Lines; ++line)
        for (int p = 0; p < Positions; ++p)
            for (int column = 0; column < Columns; ++column)
                bits[line][p][column] = uint32_t{1} << Card_Number(line, column, p);
    return bits;
}();

// Some cells (at most five), each by line and column, for a quick look at their
// unlit holes.
struct Cell_List {
    int Count = 0;
    std::array<uint8_t, 5> Line{}, Column{};
    Cell_List() = default;
    explicit Cell_List(uint64_t cells);
    // The holes the cells show with the lines at `pos`, less the lit ones.
    uint32_t Unlit(uint32_t lit_holes, const Line_Positions& pos) const {
        uint32_t shown = 0;
        for (int i = 0; i < Count; ++i) shown |= Cell_Bits[Line[i]][pos[Line[i]]][Column[i]];
        return shown & ~lit_holes;
    }
};

// The reach of every zone's rows at any line setting, for one set of lit holes: each
// group's answer is worked out when a setting first needs it and kept for the
// others. A table serves one search after another, keeping its room.
class Zone_Reach_Table {
public:
    // Forgets every answer: the table is now for the holes `lit_holes`.
    void Start(uint32_t lit_holes);
    // At the setting of line-set code `code`.
    Zone_Reaches At(int code);

private:
    uint32_t lit_holes_ = 0;
    uint32_t search_ = 0;                  // how many searches the table has served
    std::vector<Zone_Reaches> reach_;      // every group's answers, for every setting of its lines
    std::vector<uint32_t> worked_out_in_;  // the search in which each answer was worked out
};

}  // namespace plonk::card
