#include "card/setting_reach.h"

#include <algorithm>
#include <bit>

#include "card/zone_rows.h"

namespace plonk::card {

namespace {

constexpr int Power_Of_3(int n) { return n == 0 ? 1 : Positions * Power_Of_3(n - 1); }

// A row of a zone: its cells in line order, each by line and column.
struct Row_Cells {
    int Zone = 0;
    int Length = 0;
    std::array<uint8_t, 5> Line{}, Column{};
};

// The most rows of one group: a line's rows of two zones, or the columns and
// diagonals of all four.
constexpr size_t Max_Group_Rows = 16;

// The rows of every zone that cross lines First..Last, and where their answers lie.
struct Group {
    int First = 0, Last = 0;
    size_t Offset = 0;            // of the group's first answer in the table
    std::vector<Row_Cells> Rows;  // zone by zone
    bool Same_Length = true;
    // Where each row's answer is worked out: in a group of rows of one length, the
    // k-th row of zone z at place k * 4 + z (no zone has more than four there), so
    // that a zone's rows are gathered by places four apart; else in row order.
    std::array<size_t, Max_Group_Rows> Place{};
    // Two holes for every unused row place, none for a row.
    std::array<uint32_t, Max_Group_Rows> Unused{};
    int Settings() const { return Power_Of_3(Last - First + 1); }
};

struct Row_Groups {
    std::vector<Group> Groups;
    size_t Answers = 0;
    // For every group and line-set code, the index of the setting of the group's
    // lines: the code's base-3 digits First..Last.
    std::vector<std::array<uint8_t, Line_Set_Count>> Index;
};

// The groups, made once from the zones' rows.
const Row_Groups& Groups() {
    static const Row_Groups made = [] {
        Row_Groups g;
        for (int z = 0; z < Zone_Count; ++z)
            for (const Zone_Row& row : Zone_Rows[z]) {
                Row_Cells cells{z, row.Length, {}, {}};
                int n = 0;
                for (uint64_t bits = row.Cells; bits != 0; bits &= bits - 1, ++n) {
                    cells.Line[n] = static_cast<uint8_t>(std::countr_zero(bits) / Columns);
                    cells.Column[n] = static_cast<uint8_t>(std::countr_zero(bits) % Columns);
                }
                const int first = cells.Line[0], last = cells.Line[n - 1];
                auto it = std::find_if(g.Groups.begin(), g.Groups.end(),
                                       [&](const Group& gr) { return gr.First == first && gr.Last == last; });
                if (it == g.Groups.end())
                    it = g.Groups.insert(g.Groups.end(), Group{first, last, 0, {}, true, {}, {}});
                it->Rows.push_back(cells);
                if (it->Rows.size() > Max_Group_Rows) throw "a group holds too many rows";
                it->Same_Length = it->Same_Length && it->Rows.front().Length == row.Length;
            }
        for (Group& gr : g.Groups) {
            std::array<size_t, Zone_Count> rows_of_zone{};
            gr.Unused.fill(3u);
            for (size_t r = 0; r < gr.Rows.size(); ++r) {
                const int zone = gr.Rows[r].Zone;
                gr.Place[r] = gr.Same_Length ? rows_of_zone[zone]++ * Zone_Count + zone : r;
                if (rows_of_zone[zone] > Zone_Count)
                    throw "a zone has too many rows of one length in a group";
                gr.Unused[gr.Place[r]] = 0;
            }
            gr.Offset = g.Answers;
            g.Answers += static_cast<size_t>(gr.Settings());
            auto& index = g.Index.emplace_back();
            for (int code = 0; code < Line_Set_Count; ++code)
                index[code] = static_cast<uint8_t>(code / Power_Of_3(gr.First) % gr.Settings());
        }
        return g;
    }();
    return made;
}

// Every zone's rows of one length as the indexes (line * 10 + column) of their
// cells, always five: a shorter row is filled up with the index past the card's
// cells, which is never unlit. Six tracks give each zone 18 rows of 3, 12 of 4 and
// 6 of 5.
constexpr int No_Cell = Lines * Columns;
using Flat_Row = std::array<uint8_t, 5>;
struct Zone_Flat_Rows {
    std::array<Flat_Row, 18> Of3{};
    std::array<Flat_Row, 12> Of4{};
    std::array<Flat_Row, 6> Of5{};
};

constexpr std::array<Zone_Flat_Rows, Zone_Count> Make_Flat_Rows() {
    std::array<Zone_Flat_Rows, Zone_Count> flat{};
    for (int z = 0; z < Zone_Count; ++z) {
        int n[3] = {};
        for (const Zone_Row& row : Zone_Rows[z]) {
            Flat_Row& f = row.Length == 3   ? flat[z].Of3[n[0]++]
                          : row.Length == 4 ? flat[z].Of4[n[1]++]
                                            : flat[z].Of5[n[2]++];
            int k = 0;
            for (int cell = 0; cell < No_Cell; ++cell)
                if (row.Cells >> cell & 1u) f[k++] = static_cast<uint8_t>(cell);
            while (k < 5) f[k++] = No_Cell;
        }
        if (n[0] != 18 || n[1] != 12 || n[2] != 6) throw "a zone's rows are six tracks'";
    }
    return flat;
}
constexpr auto Flat_Rows = Make_Flat_Rows();

// Into `reach`, rows of `length` cells: whether one is complete, and the holes a
// single ball in which would complete one.
template <size_t N>
void Add_Rows(const std::array<Flat_Row, N>& rows, int length, const uint32_t* now, Hole_Reach& reach) {
    uint32_t complete = 0, single = 0;
    for (const Flat_Row& row : rows) {
        const uint32_t unlit = now[row[0]] | now[row[1]] | now[row[2]] | now[row[3]] | now[row[4]];
        complete |= unlit == 0;
        single |= (unlit & (unlit - 1)) == 0 ? unlit : 0u;
    }
    reach.Words[0] |= complete << length;
    reach.Words[static_cast<size_t>(length - 2)] |= single;
}

}  // namespace

Cell_Masks::Cell_Masks(uint32_t lit_holes) {
    for (int line = 0; line < Lines; ++line)
        for (int p = 0; p < Positions; ++p)
            for (int column = 0; column < Columns; ++column) {
                const int hole = Card_Number(line, column, p);
                Of[line][p][column] = (lit_holes >> hole & 1u) ? 0u : uint32_t{1} << hole;
            }
}

uint32_t Cell_Masks::Unlit(uint64_t cells, const Line_Positions& pos) const {
    uint32_t unlit = 0;
    for (; cells != 0; cells &= cells - 1) unlit |= At(std::countr_zero(cells), pos);
    return unlit;
}

Cell_List::Cell_List(uint64_t cells) {
    for (; cells != 0 && Count < 5; cells &= cells - 1, ++Count) {
        Line[Count] = static_cast<uint8_t>(std::countr_zero(cells) / Columns);
        Column[Count] = static_cast<uint8_t>(std::countr_zero(cells) % Columns);
    }
}

Zone_Reaches Zone_Reach_At(const Cell_Masks& cells, const Line_Positions& pos) {
    // The cells as the lines stand, and one more that is never unlit.
    std::array<uint32_t, No_Cell + 1> now;
    for (int line = 0; line < Lines; ++line)
        std::copy_n(cells.Of[line][pos[line]].begin(), Columns, now.begin() + line * Columns);
    now[No_Cell] = 0;
    Zone_Reaches r;
    for (size_t z = 0; z < Zone_Count; ++z) {
        Add_Rows(Flat_Rows[z].Of3, 3, now.data(), r.Of[z]);
        Add_Rows(Flat_Rows[z].Of4, 4, now.data(), r.Of[z]);
        Add_Rows(Flat_Rows[z].Of5, 5, now.data(), r.Of[z]);
    }
    return r;
}

Zone_Reach_Table::Zone_Reach_Table(const Cell_Masks& cells) {
    const Row_Groups& g = Groups();
    reach_.assign(g.Answers, Zone_Reaches{});
    for (const Group& gr : g.Groups) {
        // 1. Each row's unlit holes on each of the group's lines, at each position.
        const int span = gr.Last - gr.First + 1;
        const size_t rows = gr.Rows.size();
        std::array<std::array<std::array<uint32_t, Max_Group_Rows>, Positions>, Lines> part{};
        for (size_t r = 0; r < rows; ++r) {
            const Row_Cells& row = gr.Rows[r];
            for (int i = 0; i < row.Length; ++i)
                for (int p = 0; p < Positions; ++p)
                    part[row.Line[i] - gr.First][p][gr.Place[r]] |= cells.Of[row.Line[i]][p][row.Column[i]];
        }
        // 2. Every setting of the group's lines, line First the least significant
        //    digit: the unlit holes of the lines above First are shared by its three
        //    positions.
        for (int upper = 0; upper < gr.Settings() / Positions; ++upper) {
            std::array<uint32_t, Max_Group_Rows> above{};
            for (int l = 1, rest = upper; l < span; ++l, rest /= Positions)
                for (size_t r = 0; r < Max_Group_Rows; ++r) above[r] |= part[l][rest % Positions][r];
            for (int p = 0; p < Positions; ++p) {
                Zone_Reaches& answer = reach_[gr.Offset + static_cast<size_t>(upper * Positions + p)];
                if (!gr.Same_Length) {
                    for (size_t r = 0; r < rows; ++r)
                        answer.Of[gr.Rows[r].Zone].Add(above[r] | part[0][p][r], gr.Rows[r].Length);
                    continue;
                }
                // Rows of one length: every row at once (an unused place shows two
                // holes and so answers nothing), and each zone's four places at once.
                std::array<uint32_t, Max_Group_Rows> complete, single;
                for (size_t r = 0; r < Max_Group_Rows; ++r) {
                    const uint32_t unlit = above[r] | part[0][p][r] | gr.Unused[r];
                    complete[r] = unlit == 0;
                    single[r] = (unlit & (unlit - 1)) == 0 ? unlit : 0u;
                }
                const int length = gr.Rows[0].Length;
                for (size_t zone = 0; zone < Zone_Count; ++zone) {
                    uint32_t any_complete = 0, any_single = 0;
                    for (size_t k = 0; k < Zone_Count; ++k) {
                        any_complete |= complete[k * Zone_Count + zone];
                        any_single |= single[k * Zone_Count + zone];
                    }
                    Hole_Reach& z = answer.Of[zone];
                    z.Words[0] |= any_complete << length;
                    z.Words[static_cast<size_t>(length - 2)] |= any_single;
                }
            }
        }
    }
}

Zone_Reaches Zone_Reach_Table::At(int code) const {
    const Row_Groups& g = Groups();
    Zone_Reaches r;
    for (size_t i = 0; i < g.Groups.size(); ++i) r.Merge(reach_[g.Groups[i].Offset + g.Index[i][code]]);
    return r;
}

}  // namespace plonk::card
