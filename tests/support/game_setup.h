// Shared set-ups for the game-feature tests: a machine in the middle of a game, holes
// lit by cell, and random draws forced to a chosen outcome.
#pragma once

#include <initializer_list>

#include "support/machine.h"

namespace plonk::test {

// The Rnd value that makes Int(n * Rnd + 1) come out as k.
inline double Pick(int k, int n) { return (k - 0.5) / n; }

// The hole shown in a card cell with the lines where they stand.
inline int Hole_At(Hoofdvenster& h, int line, int column) {
    return h.Card_Numbers(h.Line_Pos(line), column, line);
}

// Light the holes of these cells (line, column), with the lines where they stand.
inline void Light_Cells(Hoofdvenster& h, std::initializer_list<std::pair<int, int>> cells) {
    for (auto [line, column] : cells) h.Hole_State(Hole_At(h, line, column)) = 1;
}

// A loaded machine in a game that is open for investing, all levels at `level`.
inline void Game_Under_Way(Hoofdvenster& h, int level = 3) {
    h.Game_Over = false;
    h.Invest_Open = true;
    h.Balls_In_Game = 5;
    h.Balls_Played = 0;
    h.Yellow_Level = h.Red_Level = h.White_Level = h.Green_Level = To_Integer(level);
    h.Main_Score = 500;
    h.Invest_Range = 15;
}

}  // namespace plonk::test
