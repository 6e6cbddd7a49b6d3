// What a won star game gives the next game, by the red level of the finished one.
#pragma once

#include "app/basic_types.h"

namespace plonk {

struct Star_Prize {
    Integer Yellow, Red, White, Green;
    Integer Line_Level;
    bool Fifth_Ball;
    bool Corners;  // corners for an odd red level, four stars for an even one
};

// The prize for red level r; a level outside 1..9 counts as the nearest of them.
Star_Prize Star_Prize_For(int r);

}  // namespace plonk
