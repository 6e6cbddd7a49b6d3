// The seven kinds of win, in the order a scan pays them, and what each kind's rules
// need of the machine: the colour zone it lies in, the odds level that pays it, its
// paid marks and its pattern. The evaluators, the scan, the tips and the tests all
// take a kind's fields from this one table.
#pragma once

#include <array>
#include <cstdint>

#include "app/game_events.h"
#include "card/card_masks.h"
#include "card/card_part.h"

namespace plonk {

// The cells of the two card-bonus patterns: A2, C0, C2, C4, E2 on the main card and
// A5, A9, C7, E5, E9 on the extra card.
inline constexpr uint64_t Main_Bonus_Cells = card::Cell_Bit(0, 2) | card::Cell_Bit(2, 0) |
                                             card::Cell_Bit(2, 2) | card::Cell_Bit(2, 4) |
                                             card::Cell_Bit(4, 2);
inline constexpr uint64_t Extra_Bonus_Cells = card::Cell_Bit(0, 5) | card::Cell_Bit(0, 9) |
                                              card::Cell_Bit(2, 7) | card::Cell_Bit(4, 5) |
                                              card::Cell_Bit(4, 9);

struct Win_Kind_Rule {
    using Flag = bool Card_Part::*;

    Win_Kind Kind;
    // A row: the zone whose rows pay. A card bonus: the zone of the colour whose
    // odds level must be 9.
    card::Zone Zone;
    // A row: the odds level it is paid at. A card bonus: the level that must be 9.
    Integer Card_Part::*Level;
    // A row: its marks for 3, 4 and 5 in a row paid this game. A card bonus: its one
    // mark, paid this game, in the first place.
    std::array<Flag, 3> Marks;
    // A row: the cells that count as a five-row while Pattern_Switch is on (none: 0).
    // A card bonus: the five cells that must all be lit.
    uint64_t Pattern = 0;
    Flag Pattern_Switch = nullptr;
    // A row kind that is looked at only while this is on (the green double).
    Flag In_Force = nullptr;
    // Set as well whenever a row of the kind is paid (the green double's use).
    Flag Also_Marks = nullptr;
    // A row: the machine's evaluator of the kind.
    void (Card_Part::*Evaluator)(Integer&) const = nullptr;
    // A card bonus: its counter, the procedure that shows it, and the number that
    // names it to Update_Score_Bonus.
    Long Card_Part::*Counter = nullptr;
    void (Card_Part::*Show_Counter)() = nullptr;
    Integer Bonus_Number = 0;

    constexpr bool Is_Row() const { return Evaluator != nullptr; }
};

namespace win_kind_table {
using H = Card_Part;
using Z = card::Zone;
// clang-format off
inline constexpr std::array<Win_Kind_Rule, Win_Kind_Count> Win_Kinds = {{
    // kind, zone, odds level, paid marks;
    //     pattern, its switch, in force while, also marks, evaluator (a card bonus: counter, shown by, number)
    {Win_Kind::Yellow, Z::Yellow, &H::Yellow_Level, {&H::Yellow_Got3, &H::Yellow_Got4, &H::Yellow_Got5},
        0, nullptr, nullptr, nullptr, &H::Geel_Op_Rij},
    {Win_Kind::Red, Z::Red, &H::Red_Level, {&H::Red_Got3, &H::Red_Got4, &H::Red_Got5},
        card::Corner_Cells, &H::Corners_Feature, nullptr, nullptr, &H::Rood_Op_Rij},
    {Win_Kind::White, Z::White, &H::White_Level, {&H::White_Got3, &H::White_Got4, &H::White_Got5},
        0, nullptr, nullptr, nullptr, &H::Wit_Op_Rij},
    {Win_Kind::Green, Z::Green, &H::Green_Level, {&H::Green_Got3, &H::Green_Got4, &H::Green_Got5},
        card::Star_Cells, &H::Four_Stars_Feature, nullptr, nullptr, &H::Groen_Op_Rij},
    {Win_Kind::Green_Double, Z::Green, &H::Green_Level, {&H::Double_Got3, &H::Double_Got4, &H::Double_Got5},
        card::Star_Cells, &H::Four_Stars_Feature, &H::Green_Double_Active, &H::Green_Double_Used, &H::Groen_Op_Rij_Dubbel},
    {Win_Kind::Main_Bonus, Z::Red, &H::Red_Level, {&H::Main_Bonus_Paid, nullptr, nullptr},
        Main_Bonus_Cells, nullptr, nullptr, nullptr, nullptr, &H::Main_Bonus, &H::Set_Main_Bonus, 1},
    {Win_Kind::Extra_Bonus, Z::Green, &H::Green_Level, {&H::Extra_Bonus_Paid, nullptr, nullptr},
        Extra_Bonus_Cells, nullptr, nullptr, nullptr, nullptr, &H::Extra_Bonus, &H::Set_Extra_Bonus, 2},
}};
// clang-format on
}  // namespace win_kind_table
inline constexpr const auto& Win_Kinds = win_kind_table::Win_Kinds;

// The table's entry of a kind.
constexpr const Win_Kind_Rule& Rule_Of(Win_Kind kind) { return Win_Kinds[static_cast<int>(kind) - 1]; }

constexpr bool Kinds_In_Order() {
    for (int i = 0; i < Win_Kind_Count; ++i)
        if (static_cast<int>(Win_Kinds[i].Kind) != i + 1) return false;
    return true;
}
static_assert(Kinds_In_Order());

// A row kind is looked at now (the green double only while it is in force).
inline bool In_Force(const Card_Part& m, const Win_Kind_Rule& k) { return !k.In_Force || m.*k.In_Force; }

// A row kind's paid marks as the machine holds them.
inline card::Paid_Marks Marks_Now(const Card_Part& m, const Win_Kind_Rule& k) {
    return {m.*k.Marks[0], m.*k.Marks[1], m.*k.Marks[2]};
}

// The cells that count as a five-row of a row kind now: its pattern while the
// pattern's switch is on, otherwise none.
inline uint64_t Pattern_Now(const Card_Part& m, const Win_Kind_Rule& k) {
    return k.Pattern_Switch && m.*k.Pattern_Switch ? k.Pattern : 0;
}

}  // namespace plonk
