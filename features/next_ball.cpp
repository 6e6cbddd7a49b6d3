#include "features/next_ball.h"

#include <cmath>
#include <cstdlib>

#include "features/tip_scoring.h"

namespace plonk {

double Next_Ball::Expected(int speed) const {
    const Speed_Odds& o = At(speed);
    return o.Landed() == 0
               ? 0.0
               : static_cast<double>(Points[static_cast<size_t>(speed - App_Part::Start_Speed_Min)]) /
                     o.Landed();
}

Next_Ball Next_Ball_Advice(const Features_Part& h, const Flight_Table& flights, Shot_Odds_Memo* memo) {
    const uint32_t taken = Taken_Holes(h);
    Next_Ball n{.Odds = memo ? memo->Of(flights, taken) : Odds_Of_Shots(flights, taken),
                .Hole_Value = Calculate_Tips(h).Hole_Score};
    // 1. Per speed, the points of all landing shots together: at most 202 shots of
    //    16-bit scores, summed in 32 bits.
    static_assert(int64_t{Shots_Per_Speed} * 32768 < int64_t{1} << 31);
    for (size_t i = 0; i < n.Odds.size(); ++i) {
        int32_t points = 0;
        for (size_t hole = 1; hole <= 25; ++hole) points += n.Odds[i].Hole[hole] * n.Hole_Value[hole];
        n.Points[i] = points;
    }
    // 2. The best: compared as exact fractions; among equals the nearest to the speed
    //    now, and of two as near the slower.
    auto better = [&](size_t a, size_t b) {
        const long left = n.Points[a] * n.Odds[b].Landed(), right = n.Points[b] * n.Odds[a].Landed();
        if (left != right) return left > right;
        return std::abs(n.Odds[a].Speed - h.Start_Speed) < std::abs(n.Odds[b].Speed - h.Start_Speed);
    };
    size_t best = 0;
    for (size_t i = 1; i < n.Odds.size(); ++i)
        if (better(i, best)) best = i;
    n.Best_Speed = n.Odds[best].Speed;
    return n;
}

std::string Advice_Words(const Next_Ball& n, int speed_now) {
    auto points = [&](int speed) { return std::to_string(std::lround(n.Expected(speed))); };
    std::string words =
        "Best start speed " + std::to_string(n.Best_Speed) + ": " + points(n.Best_Speed) + " points expected";
    if (speed_now != n.Best_Speed && speed_now >= App_Part::Start_Speed_Min &&
        speed_now <= App_Part::Start_Speed_Max)
        words += "; at " + std::to_string(speed_now) + ": " + points(speed_now);
    return words;
}

std::string Odds_Help_Text() {
    return "Show Odds (View menu) shades every unlit hole by the chance that the next ball lands in it at "
           "the "
           "start speed now: the darker the red, the likelier. The legend under the playfield gives the "
           "scale "
           "and the chance of the drain; a hole's tooltip gives its percentage.\n"
           "The chances are exact, not sampled. A shot's two random draws give the ball's start a fraction "
           "of "
           "a pixel (101 ways) and a hundredth of extra speed (2 ways), so at every start speed there are " +
           std::to_string(Shots_Per_Speed) +
           " equally likely shots. The machine knows where each of them ends with the holes taken as they "
           "are, and counts them. They hold for a shot without the space bar; a kick changes the flight.\n"
           "A drained ball comes back, so the points a ball is expected to bring are counted over the shots "
           "that land: each hole's share of them times what the tips find a ball in that hole would pay. The "
           "start-speed bar marks the start speed where a ball brings the most, and the status line says it "
           "after every ball.\n";
}

}  // namespace plonk
