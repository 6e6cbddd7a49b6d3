// Whether a ball on the field still makes its way, or is held where it cannot leave.
#include <cstdlib>

#include "playfield/flight.h"

namespace plonk {

bool Look_At_Progress(Flight& f, int x, int y) {
    f.Next_Look = f.Steps + Progress_Interval;
    // 1. Far enough from the last mark: progress, and a new mark here.
    if (std::abs(x - f.Mark_X) > Progress_Reach || std::abs(y - f.Mark_Y) > Progress_Reach) {
        f.Mark_X = x;
        f.Mark_Y = y;
        f.Mark_Step = f.Steps;
        return true;
    }
    // 2. Still near it: the ball is given up once it has stayed there too long.
    const long stall = f.Steps - f.Mark_Step;
    if (stall > f.Longest_Stall) f.Longest_Stall = stall;
    return stall <= Stall_Step_Limit;
}

}  // namespace plonk
