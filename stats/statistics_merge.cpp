#include "stats/statistics_merge.h"

#include <algorithm>

namespace plonk {

namespace {

// Every count of the statistics, for `visit(count in out, in saved, in now)`.
template <typename Visit>
void Each_Count(Statistics& out, const Statistics& saved, const Statistics& now, Visit visit) {
    for (int64_t Statistics::*count :
         {&Statistics::Games_Played, &Statistics::Points_Inserted, &Statistics::Extra_Balls_Asked,
          &Statistics::Extra_Balls_Won, &Statistics::Star_Games_Played, &Statistics::Star_Games_Won})
        visit(out.*count, saved.*count, now.*count);
    auto each = [&](auto& to, const auto& was, const auto& is) {
        for (size_t i = 0; i < to.size(); ++i) visit(to[i], was[i], is[i]);
    };
    each(out.Spent_On, saved.Spent_On, now.Spent_On);
    each(out.Won_By, saved.Won_By, now.Won_By);
    each(out.Star_Prizes, saved.Star_Prizes, now.Star_Prizes);
    each(out.Draws, saved.Draws, now.Draws);
}

void Enter(Statistics& out, const Game_Record& game) { out.Best = Better_Game(out.Best, game); }

}  // namespace

Statistics Merge_Changes(const Statistics& disk, const Statistics& saved, const Statistics& now) {
    if (disk == saved) return now;
    Statistics out = disk;
    // 1. Counts: what this game added since its last save.
    Each_Count(out, saved, now, [](int64_t& to, int64_t was, int64_t is) {
        to = Bounded_Sum(to, std::max<int64_t>(0, is - was));
    });
    // 2. The games this game entered since are the newest of its last games.
    const size_t entered = static_cast<size_t>(std::clamp<int64_t>(
        now.Games_Played - saved.Games_Played, 0, static_cast<int64_t>(now.Last_Games.size())));
    // 3. Its open game as it was saved, changed since: found from the newest in the
    //    file (another game may have entered one after it) and changed there.
    const size_t before_entered = now.Last_Games.size() - entered;
    if (before_entered > 0 && !saved.Last_Games.empty()) {
        const Game_Record& was = saved.Last_Games.back();
        const Game_Record& is = now.Last_Games[before_entered - 1];
        const auto found = std::find(out.Last_Games.rbegin(), out.Last_Games.rend(), was);
        if (is != was && found != out.Last_Games.rend()) {
            *found = is;
            Enter(out, is);
        }
    }
    for (size_t i = before_entered; i < now.Last_Games.size(); ++i) {
        out.Last_Games.push_back(now.Last_Games[i]);
        Enter(out, now.Last_Games[i]);
    }
    while (out.Last_Games.size() > Games_Kept) out.Last_Games.pop_front();
    return out;
}

}  // namespace plonk
