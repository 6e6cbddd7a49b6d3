#include "card/setting_reach.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
    // For every setting of the group's lines (line First the least significant
    // digit), the holes each row place shows.
    std::vector<std::array<uint32_t, Max_Group_Rows>> Shown;
    int Settings() const { return Power_Of_3(Last - First + 1); }
};

// The most groups: a line's rows, or the columns and diagonals from one line to
// another.
constexpr size_t Max_Groups = Lines + Lines * (Lines - 1) / 2;

struct Row_Groups {
    std::vector<Group> Groups;
    size_t Answers = 0;
    // For every line-set code, where each group's answer at it lies in the table: the
    // group's Offset plus the setting of its lines, the code's base-3 digits
    // First..Last.
    std::array<std::array<uint16_t, Max_Groups>, Line_Set_Count> Answer_At{};
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
                    it = g.Groups.insert(g.Groups.end(), Group{first, last, 0, {}, true, {}, {}, {}});
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
            gr.Shown.assign(static_cast<size_t>(gr.Settings()), {});
            for (int setting = 0; setting < gr.Settings(); ++setting)
                for (size_t r = 0; r < gr.Rows.size(); ++r) {
                    const Row_Cells& row = gr.Rows[r];
                    uint32_t& shown = gr.Shown[static_cast<size_t>(setting)][gr.Place[r]];
                    for (int i = 0; i < row.Length; ++i) {
                        const int p = setting / Power_Of_3(row.Line[i] - gr.First) % Positions;
                        shown |= Cell_Bits[row.Line[i]][p][row.Column[i]];
                    }
                }
            gr.Offset = g.Answers;
            g.Answers += static_cast<size_t>(gr.Settings());
        }
        if (g.Groups.size() > Max_Groups) throw "too many groups of rows";
        for (size_t i = 0; i < g.Groups.size(); ++i) {
            const Group& gr = g.Groups[i];
            for (int code = 0; code < Line_Set_Count; ++code)
                g.Answer_At[static_cast<size_t>(code)][i] = static_cast<uint16_t>(
                    gr.Offset + static_cast<size_t>(code / Power_Of_3(gr.First) % gr.Settings()));
        }
        return g;
    }();
    return made;
}

// Four words side by side: one for each zone, or four rows' answers.
using Lanes = uint32_t __attribute__((vector_size(16)));
static_assert(sizeof(Lanes) == sizeof(uint32_t) * Zone_Count && sizeof(Zone_Reaches) == 4 * sizeof(Lanes));

Lanes Load_Lanes(const uint32_t* words) {
    Lanes l;
    std::memcpy(&l, words, sizeof l);
    return l;
}

// Into `into`, what a group's rows answer at setting `setting` of its lines, with
// the holes `lit` lit.
void Add_Group(const Group& gr, int setting, uint32_t lit, Zone_Reaches& into) {
    const std::array<uint32_t, Max_Group_Rows>& shown = gr.Shown[static_cast<size_t>(setting)];
    if (!gr.Same_Length) {
        for (size_t r = 0; r < gr.Rows.size(); ++r) {
            const uint32_t unlit = shown[r] & ~lit;
            const size_t zone = static_cast<size_t>(gr.Rows[r].Zone);
            const int length = gr.Rows[r].Length;
            into.Words[0][zone] |= Hole_Reach::Complete_Length(unlit, length);
            into.Words[static_cast<size_t>(length - 2)][zone] |= Hole_Reach::Completing_Hole(unlit);
        }
        return;
    }
    // Rows of one length: the k-th row of every zone at once (an unused place shows
    // two holes and so answers nothing), four times over.
    Lanes complete{}, single{};
    for (size_t k = 0; k < Max_Group_Rows; k += Zone_Count) {
        const Lanes unlit = (Load_Lanes(&shown[k]) & ~lit) | Load_Lanes(&gr.Unused[k]);
        complete |= (Lanes)(unlit == 0);
        single |= (Lanes)((unlit & (unlit - 1)) == 0) & unlit;
    }
    const int length = gr.Rows[0].Length;
    const Lanes words[] = {complete & (uint32_t{1} << length), single};
    const size_t at[] = {0, static_cast<size_t>(length - 2)};
    for (size_t i = 0; i < 2; ++i) {
        const Lanes sum = Load_Lanes(into.Words[at[i]].data()) | words[i];
        std::memcpy(into.Words[at[i]].data(), &sum, sizeof sum);
    }
}

}  // namespace

Cell_List::Cell_List(uint64_t cells) {
    for (; cells != 0 && Count < 5; cells &= cells - 1, ++Count) {
        Line[Count] = static_cast<uint8_t>(std::countr_zero(cells) / Columns);
        Column[Count] = static_cast<uint8_t>(std::countr_zero(cells) % Columns);
    }
}

void Zone_Reach_Table::Start(uint32_t lit_holes) {
    lit_holes_ = lit_holes;
    if (reach_.empty()) {
        reach_.resize(Groups().Answers);
        worked_out_in_.resize(Groups().Answers);
    }
    if (++search_ == 0) {  // after 2^32 searches, start counting again
        std::fill(worked_out_in_.begin(), worked_out_in_.end(), 0u);
        search_ = 1;
    }
}

Zone_Reaches Zone_Reach_Table::At(int code) {
    const Row_Groups& g = Groups();
    const std::array<uint16_t, Max_Groups>& answer_at = g.Answer_At[static_cast<size_t>(code)];
    // The groups' answers are merged in registers, four zones at a time.
    std::array<Lanes, 4> merged{};
    for (size_t i = 0; i < g.Groups.size(); ++i) {
        const size_t at = answer_at[i];
        if (worked_out_in_[at] != search_) {
            reach_[at] = {};
            Add_Group(g.Groups[i], static_cast<int>(at - g.Groups[i].Offset), lit_holes_, reach_[at]);
            worked_out_in_[at] = search_;
        }
        const Zone_Reaches& answer = reach_[at];
        merged[0] |= Load_Lanes(answer.Words[0].data());
        merged[1] |= Load_Lanes(answer.Words[1].data());
        merged[2] |= Load_Lanes(answer.Words[2].data());
        merged[3] |= Load_Lanes(answer.Words[3].data());
    }
    Zone_Reaches r;
    std::memcpy(static_cast<void*>(r.Words.data()), merged.data(), sizeof merged);
    return r;
}

}  // namespace plonk::card
