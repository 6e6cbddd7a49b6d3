// Moving the card's lines, one step at a time or all to a line-set code.
#pragma once

namespace plonk {
class Card_Part;
}

namespace plonk::card {

// The lines freeze once the 4th ball is played (the 5th with `Fifth_Ball`): until
// then they may move before the coming ball.
bool Before_Freeze(const Card_Part& m);
// The ball just played is the last before the lines freeze.
bool Last_Ball_Before_Freeze(const Card_Part& m);

// Who asks whether a line may move. Each needs the line level to have reached the
// line (`Line_Level` > line + 5) and the lines not to be frozen, and then:
enum class Line_Move {
    Click,   // a click on the line's button moves it: nothing more
    Button,  // the line's button is enabled: from the first ball played on
    Search,  // the tips and the automatic scan try the line: only at line levels 7..10,
             // so at level 6 the search leaves line A at rest
};
bool Line_May_Move(const Card_Part& m, int line, Line_Move who);

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
