// The card as bit masks: the fast building block of row evaluation.
//
// Cell (line, column) is bit line * 10 + column of a 64-bit mask. A zone is a set
// of straight tracks of five cells; a row is a run of 3, 4 or 5 consecutive cells
// of one track. For every direction a track can run in (along a line, down a
// column, the diagonal and the anti-diagonal) the machine keeps, per row length,
// the mask of the cells where a row of that zone may start. A complete run of k
// lit cells starting at a cell is found for all cells at once by AND-ing the lit
// mask with itself shifted by 1..k-1 steps; a zone has a complete k-row exactly
// when that run mask meets the zone's start mask.
//
// Nothing here touches the machine's record, so the scan and the tips can try line
// positions and trial balls without writing anything (Evaluate_All is in
// card/card_evaluate.h):
//   rings = Rings_Of_Holes(Hole_Bits(m) | Hole_Bit(trial));       once per trial ball
//   lit = Lit_Cells(rings, Line_Set_Targets(code));               once per line setting
//   Evaluate_All(m, lit)                                          the five answers
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "app/basic_types.h"
#include "card/card_table.h"

namespace plonk {
class Card_Part;
}

namespace plonk::card {

// The colour zones. The green double uses the green zone with its own paid marks.
enum class Zone { Yellow, Red, White, Green };
inline constexpr int Zone_Count = 4;

constexpr int Cell_Index(int line, int column) { return line * Columns + column; }
constexpr uint64_t Cell_Bit(int line, int column) { return uint64_t{1} << Cell_Index(line, column); }

// ------------------------------------------------------------- lit cells
// Holes are a 32-bit mask with bit n set when a ball lies in hole n (1..25).
constexpr uint32_t Hole_Bit(int hole) { return uint32_t{1} << hole; }

// Per line, bit i set when the number of ring element i is lit. It depends on the
// holes only, so it is worked out once and then turned to any line positions.
using Lit_Rings = std::array<uint16_t, Lines>;

// The ring bits of all five lines in one word (line L's ten bits from bit 10 * L)
// for the holes of one slice of the hole numbers, looked up by that slice.
struct Ring_Slice {
    int First_Hole;
    int Holes;
};
inline constexpr Ring_Slice Ring_Slices[3] = {{1, 9}, {10, 8}, {18, 8}};

template <int Slice>
constexpr std::array<uint64_t, (1 << Ring_Slices[Slice].Holes)> Make_Ring_Table() {
    std::array<uint64_t, (1 << Ring_Slices[Slice].Holes)> table{};
    for (uint32_t bits = 0; bits < table.size(); ++bits) {
        const uint32_t holes = bits << Ring_Slices[Slice].First_Hole;
        uint64_t word = 0;
        for (int line = 0; line < Lines; ++line)
            for (int i = 0; i < Columns; ++i)
                word |= uint64_t{(holes >> Card_Ring[line][i]) & 1u} << (Columns * line + i);
        table[bits] = word;
    }
    return table;
}

inline constexpr auto Ring_Table_0 = Make_Ring_Table<0>();
inline constexpr auto Ring_Table_1 = Make_Ring_Table<1>();
inline constexpr auto Ring_Table_2 = Make_Ring_Table<2>();

constexpr Lit_Rings Rings_Of_Holes(uint32_t holes) {
    const uint64_t word = Ring_Table_0[(holes >> 1) & 0x1FFu] | Ring_Table_1[(holes >> 10) & 0xFFu] |
                          Ring_Table_2[(holes >> 18) & 0xFFu];
    Lit_Rings rings{};
    for (int line = 0; line < Lines; ++line)
        rings[line] = static_cast<uint16_t>((word >> (Columns * line)) & 0x3FFu);
    return rings;
}

// The lit cells for the given line positions (each 0..2). Column c of a line at
// position p shows ring element (c + p) Mod 10, so the line's ten cells are its
// ring bits rotated right by p.
inline uint64_t Lit_Cells(const Lit_Rings& rings, const Line_Positions& positions) {
    uint64_t lit = 0;
    for (int line = 0; line < Lines; ++line) {
        const int p = positions[line];
        if (p < 0 || p >= Positions) throw Subscript_Out_Of_Range("line position out of range");
        const uint32_t ring = rings[line];
        const uint32_t row = ((ring >> p) | (ring << (Columns - p))) & 0x3FFu;
        lit |= uint64_t{row} << (Columns * line);
    }
    return lit;
}

inline uint64_t Lit_Cells(uint32_t holes, const Line_Positions& positions) {
    return Lit_Cells(Rings_Of_Holes(holes), positions);
}

// Where a hole's number stands on the rings: every hole twice, as (line, element).
struct Ring_Place {
    int Line = 0, Element = 0;
};
constexpr std::array<std::array<Ring_Place, 2>, 26> Make_Hole_Places() {
    std::array<std::array<Ring_Place, 2>, 26> places{};
    std::array<int, 26> found{};
    for (int line = 0; line < Lines; ++line)
        for (int i = 0; i < Columns; ++i) {
            const int hole = Card_Ring[line][i];
            if (found[hole] < 2) places[hole][found[hole]] = {line, i};
            ++found[hole];
        }
    for (int hole = 1; hole <= 25; ++hole)
        if (found[hole] != 2) throw "every hole stands twice on the rings";
    return places;
}
inline constexpr auto Hole_Places = Make_Hole_Places();

// The cells that show hole `hole` (1..25) with the lines at `positions`: element i of
// a line at position p stands in column (i - p) Mod 10.
inline uint64_t Hole_Cells(int hole, const Line_Positions& positions) {
    uint64_t cells = 0;
    for (const Ring_Place& at : Hole_Places[hole])
        cells |= Cell_Bit(at.Line, (at.Element - positions[at.Line] + Columns) % Columns);
    return cells;
}

// The holes with a ball in them (`Hole_State(n)` = 1) as a hole mask.
uint32_t Hole_Bits(const Card_Part& m);
// The current line positions.
Line_Positions Current_Positions(const Card_Part& m);
// The lit cells of the card as it stands.
uint64_t Lit_Cells(const Card_Part& m);

// ------------------------------------------------------------- zone shapes
// Directions in the cell mask: along a line, down a column, diagonal, anti-diagonal.
inline constexpr int Direction_Count = 4;
inline constexpr int Direction_Step[Direction_Count] = {1, Columns, Columns + 1, Columns - 1};

struct Track {
    int First;      // cell index of the track's first cell
    int Direction;  // index into Direction_Step
};

struct Zone_Shape {
    // Start cells of the rows of length 3, 4 and 5 (index length - 3), per direction.
    uint64_t Start[3][Direction_Count]{};
};

// The six tracks of a zone on the main card. Yellow and white ("odd"): lines A, C, E
// and columns 0, 2, 4. Red and green: lines B, D, columns 1, 3 and both diagonals.
constexpr std::array<Track, 6> Zone_Tracks(bool odd) {
    std::array<Track, 6> tracks{};
    int n = 0;
    for (int k = odd ? 0 : 1; k < 5; k += 2) {
        tracks[n++] = {Cell_Index(k, 0), 0};  // along line k
        tracks[n++] = {Cell_Index(0, k), 1};  // down column k
    }
    if (!odd) {
        tracks[n++] = {Cell_Index(0, 0), 2};
        tracks[n++] = {Cell_Index(0, 4), 3};
    }
    return tracks;
}

// The six tracks of a zone on its own card: yellow and red on the main card, white
// and green on the extra card.
constexpr std::array<Track, 6> Zone_Tracks(Zone zone) {
    std::array<Track, 6> tracks = Zone_Tracks(zone == Zone::Yellow || zone == Zone::White);
    if (zone == Zone::White || zone == Zone::Green)
        for (Track& t : tracks) t.First += 5;
    return tracks;
}

// The zone of these tracks moved `column_shift` columns to the right.
constexpr Zone_Shape Make_Shape(const std::array<Track, 6>& tracks, int column_shift) {
    Zone_Shape z{};
    for (const Track& t : tracks) {
        const int first = t.First + column_shift;
        const int step = Direction_Step[t.Direction];
        for (int length = 3; length <= 5; ++length)
            for (int start = 0; start + length <= 5; ++start)
                z.Start[length - 3][t.Direction] |= uint64_t{1} << (first + start * step);
    }
    return z;
}

inline constexpr Zone_Shape Zone_Shapes[Zone_Count] = {
    Make_Shape(Zone_Tracks(Zone::Yellow), 0),
    Make_Shape(Zone_Tracks(Zone::Red), 0),
    Make_Shape(Zone_Tracks(Zone::White), 0),
    Make_Shape(Zone_Tracks(Zone::Green), 0),
};

// Red's four corners A0, A4, E0, E4 and green's four stars A7, C5, C9, E7: with
// their switch on, either counts as a five-row of its zone.
inline constexpr uint64_t Corner_Cells = Cell_Bit(0, 0) | Cell_Bit(0, 4) | Cell_Bit(4, 0) | Cell_Bit(4, 4);
inline constexpr uint64_t Star_Cells = Cell_Bit(0, 7) | Cell_Bit(2, 5) | Cell_Bit(2, 9) | Cell_Bit(4, 7);

// ------------------------------------------------------------- evaluation
struct Paid_Marks {
    bool Got3 = false, Got4 = false, Got5 = false;
};

// Per row length 3, 4, 5 (index length - 3) and direction, the cells where a run of
// that many lit cells starts. They depend on the lit cells only, so one set serves
// every zone.
struct Row_Runs {
    uint64_t Lit = 0;
    uint64_t Run[3][Direction_Count]{};
};

inline Row_Runs Runs_Of(uint64_t lit) {
    Row_Runs r;
    r.Lit = lit;
    for (int d = 0; d < Direction_Count; ++d) {
        const int s = Direction_Step[d];
        r.Run[0][d] = lit & (lit >> s) & (lit >> (2 * s));
        r.Run[1][d] = r.Run[0][d] & (lit >> (3 * s));
        r.Run[2][d] = r.Run[1][d] & (lit >> (4 * s));
    }
    return r;
}

// The length of the longest complete row of a zone: 0, 3, 4 or 5. The cells of
// `pattern` (0: none) count as a five-row when all are lit.
inline int Longest_Row(const Row_Runs& runs, Zone zone, uint64_t pattern) {
    const Zone_Shape& z = Zone_Shapes[static_cast<int>(zone)];
    if (pattern != 0 && (runs.Lit & pattern) == pattern) return 5;
    auto found = [&](int k) {
        uint64_t cells = 0;
        for (int d = 0; d < Direction_Count; ++d) cells |= runs.Run[k][d] & z.Start[k][d];
        return cells != 0;
    };
    // A longer row holds a three-row that starts where it starts: without a three-row
    // there is none.
    if (!found(0)) return 0;
    return found(2) ? 5 : found(1) ? 4 : 3;
}

// What a zone's evaluator answers: the longest row not paid yet in this game, from
// the zone's longest complete row (the pattern, when switched on, counting as five).
//   1. Five-row paid: 0, nothing else is looked at.
//   2..3. The pattern or a complete five-row: 5.
//   4..5. Four-row paid: 0; else a complete four-row: 4.
//   6..8. Three-row paid: 0; else a complete three-row: 3; else 0.
inline int Zone_Answer(int longest, Paid_Marks paid) {
    if (paid.Got5) return 0;
    if (longest == 5) return 5;
    if (paid.Got4) return 0;
    if (longest == 4) return 4;
    if (paid.Got3) return 0;
    return longest;
}

inline int Zone_Result(const Row_Runs& runs, Zone zone, Paid_Marks paid, uint64_t pattern) {
    if (paid.Got5) return 0;
    return Zone_Answer(Longest_Row(runs, zone, pattern), paid);
}

inline int Zone_Result(uint64_t lit, Zone zone, Paid_Marks paid, uint64_t pattern) {
    return Zone_Result(Runs_Of(lit), zone, paid, pattern);
}

// The row an evaluator's answer stands for: its length (0, 3, 4 or 5) and its cells.
struct Row_Found {
    int Count = 0;
    uint64_t Cells = 0;
};

// Zone_Result with the cells of the row it answers for: the pattern's cells when the
// pattern makes the five, otherwise the first complete row of that length by
// direction (along a line, down a column, diagonal, anti-diagonal), then by its
// first cell.
inline Row_Found Find_Row(const Row_Runs& runs, Zone zone, Paid_Marks paid, uint64_t pattern) {
    const int count = Zone_Result(runs, zone, paid, pattern);
    if (count == 0) return {};
    if (count == 5 && pattern != 0 && (runs.Lit & pattern) == pattern) return {5, pattern};
    const Zone_Shape& z = Zone_Shapes[static_cast<int>(zone)];
    for (int d = 0; d < Direction_Count; ++d) {
        const uint64_t starts = runs.Run[count - 3][d] & z.Start[count - 3][d];
        if (starts == 0) continue;
        const uint64_t first = uint64_t{1} << std::countr_zero(starts);
        uint64_t cells = 0;
        for (int i = 0; i < count; ++i) cells |= first << (i * Direction_Step[d]);
        return {count, cells};
    }
    return {};
}

}  // namespace plonk::card
