// What the next ball is worth at each start speed: the exact chances of the holes
// (playfield/shot_odds.h) weighed by what the tips find a ball in each hole would
// pay, and the start speed where it is worth most.
#pragma once

#include <array>
#include <string>

#include "features/features_part.h"
#include "playfield/shot_odds.h"

namespace plonk {

struct Next_Ball {
    Shot_Odds Odds;
    std::array<Integer, 26> Hole_Value{};  // the tips' score of each hole
    // Per start speed (index speed - 38): the points a ball that lands there is
    // expected to bring, as a fraction Points / Landed (a drained ball comes back).
    std::array<long, Start_Speed_Count> Points{};
    int Best_Speed = 0;  // the most points expected; among equals the nearest to the speed now
    double Expected(int speed) const;
    const Speed_Odds& At(int speed) const {
        return Odds[static_cast<size_t>(speed - App_Part::Start_Speed_Min)];
    }
};

// The next ball's chances and worth for the machine as it stands, whether or not
// the tips are shown; nothing in the machine changes. The chances come from `memo`
// when one is given.
Next_Ball Next_Ball_Advice(const Features_Part& h, const Flight_Table& flights,
                           Shot_Odds_Memo* memo = nullptr);

// The advice in words, for the status line: "Best start speed 84: 37 points
// expected; at 70: 12" (the second part only when the speed now is another).
std::string Advice_Words(const Next_Ball& n, int speed_now);

// What Help says of the odds, as paragraphs of plain text.
std::string Odds_Help_Text();

}  // namespace plonk
