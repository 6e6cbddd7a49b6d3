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

void Scores_Part::Count_Steps(long long points, long long steps, Integer MXBon) {
    // `steps` steps of `points` each onto the credits and the balance, and off the
    // bonus counter being paid (none when MXBon is neither 1 nor 2), drawn once and
    // heard once a step. Each step only adds, so capping the counters once at the
    // end leaves what capping them after every step would.
    const long long total = points * steps;
    Main_Score = Counted(Main_Score, total);
    Set_Main_Score();
    Saldo_Score = Counted(Saldo_Score, total);
    Set_Saldo_Score();
    if (MXBon == 1) {
        Main_Bonus = Add32(Main_Bonus, -total);
        Set_Main_Bonus();
    } else if (MXBon == 2) {
        Extra_Bonus = Add32(Extra_Bonus, -total);
        Set_Extra_Bonus();
    }
    Refresh();
    for (long long i = 0; i < steps; ++i) Speel(Sound::Scores);
}

void Scores_Part::Count_Up(long long points, long long steps, Integer MXBon) {
    // Shown, step by step; unseen, all steps at once.
    if (steps <= 0) return;
    if (!Tk.Pacing.Shows_Steps()) return Count_Steps(points, steps, MXBon);
    for (long long i = 0; i < steps; ++i) Count_Steps(points, 1, MXBon);
}

void Scores_Part::Update_Score(Integer& Winst) {
    // 1. The whole win counts for the game at once (held within its 16 bits).
    Game_Won = Add16(Game_Won, Winst);
    // 2. Then it is counted onto the credits and the balance one point at a time,
    //    each point shown and heard.
    Count_Up(1, Winst, 0);
}

void Scores_Part::Update_Score_Bonus(Long& Winst, Integer& MXBon) {
    // 1. The whole bonus counts for the game at once (held within its 16 bits).
    Game_Won = Add16(Game_Won, Winst);
    // 2. The units in one step. They are taken before any counter changes, as
    //    Winst may be the bonus counter itself.
    const Long units = Mod(Winst, 10);
    if (units > 0) Count_Steps(units, 1, MXBon);
    // 3. Then the tens, ten points a step. The number of steps is read once, after
    //    the units: the same whether or not Winst is the counter being paid.
    Count_Up(10, static_cast<long long>(Int(Winst / 10.0)), MXBon);
}

}  // namespace plonk
