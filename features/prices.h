// What the machine's economy gives and what its chances are.
#pragma once

namespace plonk {

// The points one press of "Insert points" puts on the credits and the stake.
inline constexpr int Points_Per_Insert = 100;

// A request for an extra ball is granted with one chance in this many: more the
// higher the four odds levels stand together (`levels`, their sum) and three more for
// every ball the game already has beyond four.
constexpr int Extra_Ball_One_In(int levels, int balls_in_game) {
    return levels * 47 / 30 + (balls_in_game - 4) * 3;
}

}  // namespace plonk
