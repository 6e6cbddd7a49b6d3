// The tips' table of values and how it is turned into the three best holes and the
// best line setting.
#pragma once

#include <array>
#include <vector>

#include "features/zones.h"

namespace plonk {

constexpr int Line_Set_Codes = 243;

// value(hole, code, kind): the points that a ball in the hole would pay in that kind
// with the lines at that line-set code; 0 when nothing. Only the codes that were
// given a value take room, so a search over one setting stays small.
class Tip_Values {
public:
    Tip_Values() { slot_.fill(-1); }
    Integer& operator()(int hole, int code, Win_Kind kind) {
        if (slot_[Code(code)] < 0) {
            slot_[Code(code)] = static_cast<int16_t>(v_.size() / Slot_Size);
            v_.resize(v_.size() + Slot_Size, 0);
        }
        return v_[Index(hole, code, kind)];
    }
    Integer operator()(int hole, int code, Win_Kind kind) const {
        return slot_[Code(code)] < 0 ? Integer{0} : v_[Index(hole, code, kind)];
    }
    // Whether any value of the code was given: every value of another code is 0.
    bool Has(int code) const { return slot_[Code(code)] >= 0; }

private:
    static constexpr size_t Slot_Size = 26 * 8;
    static size_t Code(int code) { return static_cast<size_t>(code); }
    size_t Index(int hole, int code, Win_Kind kind) const {
        return static_cast<size_t>(slot_[Code(code)]) * Slot_Size + static_cast<size_t>(hole) * 8 +
               static_cast<size_t>(kind);
    }
    std::array<int16_t, Line_Set_Codes> slot_;
    std::vector<Integer> v_;
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

// Score the holes from the values of the tried codes and rank them. `last_ball`: the
// coming ball is the last one before the lines freeze.
Tip_Result Score_Tips(const Tip_Values& values, const std::array<bool, Line_Set_Codes>& tried,
                      bool last_ball);

}  // namespace plonk
