// Moving the card's lines, one step at a time or all to a line-set code.
#pragma once

namespace plonk {
class Card_Part;
}

namespace plonk::card {

// A line moves only while the line feature has reached it (`Line_Level` > line + 5)
// and before the 4th ball is played (before the 5th with `Fifth_Ball`).
bool Line_Moveable(const Card_Part& m, int line);

// The click of a line's button: one step of the line when it is moveable, then the
// button states and the focus.
void Click_Line(Card_Part& m, int line);

// Moves the lines one by one to the positions of a line-set code, repainting and
// pausing after every attempt.
void Set_Lines_To(Card_Part& m, int code);

// How many times a line-set tries to move one line. From any position and
// direction a target is reached in at most three steps, so a line still off its
// target by then cannot move and is left where it stands.
inline constexpr int Move_Attempts = 3;
// The pause after every move of a line-set, in milliseconds.
inline constexpr int Move_Pause_Ms = 500;

}  // namespace plonk::card
