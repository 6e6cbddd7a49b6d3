#include "playfield/shot_odds.h"

#include <algorithm>
#include <bit>
#include <tuple>

namespace plonk {

uint32_t Taken_Holes(const Playfield_Part& m) {
    uint32_t taken = 0;
    for (int n = 1; n <= board::Hole_Count; ++n) taken |= static_cast<uint32_t>(m.Hole_State(n) != 0) << n;
    return taken;
}

namespace {

Shot_Odds Odds_Of_Ends(const Start_Ends& ends) {
    Shot_Odds odds;
    for (int i = 0; i < Start_Speed_Count; ++i)
        odds[static_cast<size_t>(i)].Speed = App_Part::Start_Speed_Min + i;
    // The ball starts at 100 - speed plus the draw's hundredth, as Start_Ball puts it:
    // a speed with the hundredth starts where the next faster one starts without it,
    // so each start is counted for both.
    static_assert(Flight_Table::No_Hole == std::tuple_size_v<decltype(Speed_Odds::Hole)>);
    for (int start = 0; start < Flight_Table::Start_Speeds; ++start) {
        const auto& of_start = ends[static_cast<size_t>(start)];
        const int plain = 100 - start, extra = plain + 1;
        for (const int speed : {plain, extra}) {
            if (speed < App_Part::Start_Speed_Min || speed > App_Part::Start_Speed_Max) continue;
            Speed_Odds& o = odds[static_cast<size_t>(speed - App_Part::Start_Speed_Min)];
            for (size_t hole = 0; hole < o.Hole.size(); ++hole) o.Hole[hole] += of_start[hole];
            o.Drain += of_start[Flight_Table::No_Hole];
        }
    }
    return odds;
}

}  // namespace

Shot_Odds Odds_Of_Shots(const Flight_Table& flights, uint32_t taken) {
    Start_Ends ends{};
    for (int start = 0; start < Flight_Table::Start_Speeds; ++start)
        for (int fraction = 0; fraction < Flight_Table::Start_Fractions; ++fraction)
            ++ends[static_cast<size_t>(start)]
                  [static_cast<size_t>(flights.Hole_From(Flight_Table::Start_Of(fraction, start), taken))];
    return Odds_Of_Ends(ends);
}

void Shot_Odds_Memo::Walk_To(Walks& w, uint32_t taken) {
    // Follows again the starts that asked about a hole now taken or freed; every start
    // when the walks are new. A block of neighbouring fractions, whose flights ask
    // about much the same holes, is passed over when none of them asked.
    const bool fresh = w.Hole.empty();
    const uint32_t changed = taken ^ w.Taken;
    if (fresh) {
        w.Hole.assign(Flight_Table::Starts, 0);  // hole 0: not followed yet
        w.Asked.assign(Flight_Table::Starts, 0);
        w.Block_Asked.assign(Flight_Table::Start_Speeds * Blocks, 0);
        for (auto& ends : w.Ends) ends = {Flight_Table::Start_Fractions};
    }
    w.Taken = taken;
    for (int speed = 0; speed < Flight_Table::Start_Speeds; ++speed) {
        auto& ends = w.Ends[static_cast<size_t>(speed)];
        for (int block = 0; block < Blocks; ++block) {
            uint32_t& block_asked = w.Block_Asked[static_cast<size_t>(speed * Blocks + block)];
            if (!fresh && (block_asked & changed) == 0) continue;
            uint32_t asked = 0;
            const int first = block * Block, last = std::min(first + Block, Flight_Table::Start_Fractions);
            for (int fraction = first; fraction < last; ++fraction) {
                const size_t at = static_cast<size_t>(speed * Flight_Table::Start_Fractions + fraction);
                if (fresh || (w.Asked[at] & changed) != 0) {
                    --ends[w.Hole[at]];
                    const int hole =
                        flights_->Hole_From(Flight_Table::Start_Of(fraction, speed), taken, w.Asked[at]);
                    w.Hole[at] = static_cast<uint8_t>(hole);
                    ++ends[static_cast<size_t>(hole)];
                }
                asked |= w.Asked[at];
            }
            block_asked = asked;
        }
    }
}

Shot_Odds Shot_Odds_Memo::Work_Out(const Flight_Table& flights, uint32_t taken) {
    // Another table: the walks start anew, with none taken.
    if (flights_ != &flights) {
        flights_ = &flights;
        none_taken_ = {};
        Walk_To(none_taken_, 0);
        walks_ = none_taken_;
    }
    // From whichever pattern lies nearer: the last one worked out, or none taken.
    if (std::popcount(taken) < std::popcount(taken ^ walks_.Taken)) walks_ = none_taken_;
    Walk_To(walks_, taken);
    return Odds_Of_Ends(walks_.Ends);
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
        odds = Work_Out(flights, taken);
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
