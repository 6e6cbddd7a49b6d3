// The invest economy's building blocks: spending a point, the random feature draw
// bought by an invest during a game, and the head start a won star game gives.
#pragma once

#include "features/features_part.h"
#include "features/star_prize.h"

namespace plonk {

// A fresh draw over 1..n: Int(n * Rnd + 1).
int Draw_1_To(Features_Part& h, int n);

// The next extra-ball request wins with one chance in this many.
int Extra_Ball_Odds(const Features_Part& h);

// Spend one point on `what`: the game's cost, the credits, the balance and the
// bonus growth.
void Spend_One_Point(Features_Part& h, Spend what);

// An invest during a game: the levels to 2 after a lost star game, otherwise one
// feature draw.
void In_Game_Invest(Features_Part& h);

// Set the new card from the star prize for red level r.
void Give_Star_Prize(Features_Part& h, int r);

}  // namespace plonk
