// Counting wins onto the credits and the balance.
#include <algorithm>
#include <cstdint>

#include "scores/scores_part.h"

namespace plonk {

namespace {

constexpr Long kCounterCap = 99999;

// A credit or balance after a counted step: never above the cap, also when it
// stood above it before the step.
Long Counted(Long value, long long step) { return std::min<Long>(Add32(value, step), kCounterCap); }

}  // namespace

void Scores_Part::Update_Score(Integer& Winst) {
    // 1. The whole win counts for the game at once (held within its 16 bits).
    Game_Won = Add16(Game_Won, Winst);
    // 2. Then it is counted onto the credits and the balance one point at a time,
    //    each point shown and heard.
    for (int i = 0; i < Winst; ++i) {
        Main_Score = Counted(Main_Score, 1);
        Set_Main_Score();
        Saldo_Score = Counted(Saldo_Score, 1);
        Set_Saldo_Score();
        Refresh();
        Speel(Sound::Scores);
    }
}

void Scores_Part::Update_Score_Bonus(Long& Winst, Integer& MXBon) {
    // One counted step: `points` onto the credits and the balance, and off the
    // bonus counter being paid (none when MXBon is neither 1 nor 2).
    auto step = [this, &MXBon](Long points) {
        Main_Score = Counted(Main_Score, points);
        Set_Main_Score();
        Saldo_Score = Counted(Saldo_Score, points);
        Set_Saldo_Score();
        if (MXBon == 1) {
            Main_Bonus = Add32(Main_Bonus, -points);
            Set_Main_Bonus();
        } else if (MXBon == 2) {
            Extra_Bonus = Add32(Extra_Bonus, -points);
            Set_Extra_Bonus();
        }
        Refresh();
        Speel(Sound::Scores);
    };

    // 1. The whole bonus counts for the game at once (held within its 16 bits).
    Game_Won = Add16(Game_Won, Winst);
    // 2. The units in one step. They are taken before any counter changes, as
    //    Winst may be the bonus counter itself.
    const Long units = Mod(Winst, 10);
    if (units > 0) step(units);
    // 3. Then the tens, ten points a step. The number of steps is read once, after
    //    the units: the same whether or not Winst is the counter being paid.
    const long long tens = static_cast<long long>(Int(Winst / 10.0));
    for (long long i = 0; i < tens; ++i) step(10);
}

}  // namespace plonk
