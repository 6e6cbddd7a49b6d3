// The tips' table of values and how it is turned into the three best holes and the
// best line setting.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "features/zones.h"

namespace plonk {

constexpr int Line_Set_Codes = 243;

// What a trial ball pays in each kind at each line-set code. In a kind a ball pays
// one of three amounts (a row of 3, 4 or 5 by the increment rule; a card bonus its
// counter, as a "5"), the same at every code; at each code the table holds, per kind
// and amount, the holes whose ball would pay it (a hole in at most one of them).
// value(hole, code, kind) is then the amount of the hole's set, or 0.
class Tip_Values {
public:
    Tip_Values() { slot_.fill(-1); }
    // The amount a ball pays in `kind` when it makes `count` (3, 4 or 5).
    void Set_Amount(Win_Kind kind, int count, Integer points) { amount_[Kind(kind)][Count(count)] = points; }
    Integer Amount(Win_Kind kind, int count) const { return amount_[Kind(kind)][Count(count)]; }
    // At `code`, per kind and count (index count - 3), the holes whose ball makes it.
    using By_Count = std::array<uint32_t, 3>;
    std::array<By_Count, Win_Kind_Count>& At(int code) {
        if (slot_[Code(code)] < 0) {
            if (codes_.empty()) codes_.reserve(Line_Set_Codes);
            slot_[Code(code)] = static_cast<int16_t>(codes_.size());
            codes_.emplace_back();
        }
        return codes_[static_cast<size_t>(slot_[Code(code)])];
    }
    // At `code`, a ball in each of `holes` makes `count` in `kind`.
    void Pay(int code, Win_Kind kind, int count, uint32_t holes) {
        if (holes != 0) At(code)[Kind(kind)][Count(count)] |= holes;
    }
    // The holes whose ball makes `count` in `kind` at `code`.
    uint32_t Holes(int code, Win_Kind kind, int count) const {
        return Has(code) ? Paid_At(code)[Kind(kind)][Count(count)] : 0u;
    }
    Integer operator()(int hole, int code, Win_Kind kind) const {
        for (int count = 5; count >= 3; --count)
            if (Holes(code, kind, count) >> hole & 1u) return Amount(kind, count);
        return 0;
    }
    // Whether any hole may pay anything at the code.
    bool Has(int code) const { return slot_[Code(code)] >= 0; }
    // At a code that Has values, per kind and count, the holes whose ball makes it.
    const std::array<By_Count, Win_Kind_Count>& Paid_At(int code) const {
        return codes_[static_cast<size_t>(slot_[Code(code)])];
    }
    static size_t Kind(Win_Kind kind) { return static_cast<size_t>(kind) - 1; }

private:
    static size_t Code(int code) { return static_cast<size_t>(code); }
    static size_t Count(int count) { return static_cast<size_t>(count - 3); }
    std::array<int16_t, Line_Set_Codes> slot_;
    std::vector<std::array<By_Count, Win_Kind_Count>> codes_;
    std::array<std::array<Integer, 3>, Win_Kind_Count> amount_{};
};

struct Tip_Place {
    Integer Score = 0;
    int Hole = 0;
};

struct Tip_Result {
    std::array<Integer, 26> Hole_Score{};  // by hole number 1..25
    std::array<Tip_Place, 3> Top{};        // index 0 is the best
    Integer Line_Set = -1;
    bool Set_Lines = false;  // "Set Lines" is offered
};

// The tips for the record as it stands: every setting the lines may take for the
// coming ball tried with a trial ball in every free hole, the holes scored and
// ranked. Nothing in the record or the controls changes, and whether the tips are
// shown does not matter.
Tip_Result Calculate_Tips(const Features_Part& h);

// Score the holes from the values of the tried codes and rank them. `last_ball`: the
// coming ball is the last one before the lines freeze.
Tip_Result Score_Tips(const Tip_Values& values, const std::array<bool, Line_Set_Codes>& tried,
                      bool last_ball);

}  // namespace plonk
