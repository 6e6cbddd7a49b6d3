// The odds table: what a row of three, four or five pays at each odds level.
#include "scores/scores_part.h"

namespace plonk {

void Scores_Part::Init_Punten() {
    // Points for 3, 4 and 5 in a row, by odds level 1..9.
    static const Integer odds[27] = {
        4,  8,  16, 32,  64,  100, 150, 200, 300,  // 3 in a row
        8,  16, 32, 64,  100, 200, 300, 400, 600,  // 4 in a row
        16, 32, 64, 100, 200, 300, 450, 600, 900,  // 5 in a row
    };
    for (int n = 3; n <= 5; ++n)
        for (int level = 1; level <= 9; ++level) Odds_Table(level, n) = odds[(level - 1) + 9 * (n - 3)];
}

}  // namespace plonk
