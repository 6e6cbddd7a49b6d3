// The tips' table of values and how it is turned into the three best holes and the
// best line setting.
#pragma once

#include <array>
#include <vector>

#include "features/zones.h"

namespace plonk {

constexpr int Line_Set_Codes = 243;

// value(hole, code, kind): the points that a ball in the hole would pay in that kind
// with the lines at that line-set code; 0 when nothing.
class Tip_Values {
public:
    Tip_Values() : v_(static_cast<size_t>(Line_Set_Codes) * 26 * 8, 0) {}
    Integer& operator()(int hole, int code, Win_Kind kind) { return v_[Index(hole, code, kind)]; }
    Integer operator()(int hole, int code, Win_Kind kind) const { return v_[Index(hole, code, kind)]; }

private:
    static size_t Index(int hole, int code, Win_Kind kind) {
        return (static_cast<size_t>(code) * 26 + hole) * 8 + static_cast<size_t>(kind);
    }
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
