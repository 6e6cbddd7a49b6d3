#include "playfield/shot_odds.h"

namespace plonk {

uint32_t Taken_Holes(const Playfield_Part& m) {
    uint32_t taken = 0;
    for (int n = 1; n <= board::Hole_Count; ++n) taken |= static_cast<uint32_t>(m.Hole_State(n) != 0) << n;
    return taken;
}

Shot_Odds Odds_Of_Shots(const Flight_Table& flights, uint32_t taken) {
    Shot_Odds odds;
    for (int i = 0; i < Start_Speed_Count; ++i)
        odds[static_cast<size_t>(i)].Speed = App_Part::Start_Speed_Min + i;
    // The ball starts at 100 - speed plus the draw's hundredth, as Start_Ball puts it:
    // a speed with the hundredth starts where the next faster one starts without it,
    // so each start is followed once and counted for both.
    for (int start = 0; start <= Start_Speed_Count; ++start) {
        static_assert(Flight_Table::No_Hole == std::tuple_size_v<decltype(Speed_Odds::Hole)>);
        std::array<int, Flight_Table::No_Hole + 1> ends{};  // by hole, then drained or lost
        for (int fraction = 0; fraction < Flight_Table::Start_Fractions; ++fraction)
            ++ends[static_cast<size_t>(flights.Hole_From(Flight_Table::Start_Of(fraction, start), taken))];
        const int plain = 100 - start, extra = plain + 1;
        for (const int speed : {plain, extra}) {
            if (speed < App_Part::Start_Speed_Min || speed > App_Part::Start_Speed_Max) continue;
            Speed_Odds& o = odds[static_cast<size_t>(speed - App_Part::Start_Speed_Min)];
            for (size_t hole = 0; hole < o.Hole.size(); ++hole) o.Hole[hole] += ends[hole];
            o.Drain += ends[Flight_Table::No_Hole];
        }
    }
    return odds;
}

Shot_Odds Shot_Odds_Memo::Of(const Flight_Table& flights, uint32_t taken) {
    if (places_.empty()) places_.resize(size_t{2} << Pair_Bits);
    Place* pair = &places_[2 * Pair_Of(taken)];
    const size_t kept = pair[0].Flights == &flights && pair[0].Taken == taken   ? 0
                        : pair[1].Flights == &flights && pair[1].Taken == taken ? 1
                                                                                : 2;
    Shot_Odds odds;
    if (kept == 2) {
        Place& p = pair[pair[0].Lately ? 1 : 0];
        odds = Odds_Of_Shots(flights, taken);
        for (size_t i = 0; i < odds.size(); ++i) {
            for (size_t hole = 0; hole < odds[i].Hole.size(); ++hole)
                p.Ends[i][hole] = static_cast<uint8_t>(odds[i].Hole[hole]);
            p.Ends[i][26] = static_cast<uint8_t>(odds[i].Drain);
        }
        p.Flights = &flights;
        p.Taken = taken;
        pair[0].Lately = &p == &pair[0];
        pair[1].Lately = &p == &pair[1];
        return odds;
    }
    const Place& p = pair[kept];
    pair[0].Lately = kept == 0;
    pair[1].Lately = kept == 1;
    for (size_t i = 0; i < odds.size(); ++i) {
        odds[i].Speed = App_Part::Start_Speed_Min + static_cast<int>(i);
        for (size_t hole = 0; hole < odds[i].Hole.size(); ++hole) odds[i].Hole[hole] = p.Ends[i][hole];
        odds[i].Drain = p.Ends[i][26];
    }
    return odds;
}

}  // namespace plonk
