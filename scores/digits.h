// The digit pictures shared by the counters and the clock.
#pragma once

#include <string>

namespace plonk {

// The picture file of one digit character ("Digit_7.bmp" for '7'). A character
// that is not a digit shows as 0, so no display can ask for a picture that does
// not exist.
const std::string& Digit_Picture(char digit);

// The digits of an unsigned counter of `width` places (4 or 5): the value with
// leading zeros ("00042"), all nines when it does not fit, and all zeros for a
// negative value, which the machine itself never produces.
std::string Counter_Digits(long long value, int width);

// The picture of score board `board` (0 yellow, 1 red, 2 white, 3 green) at odds
// `level`: "GeleScore_4.bmp". Only the level's last character counts, so a level
// outside 0..9 still names a picture that exists.
std::string Score_Board_File(int board, int level);

// The five digits of the balance: its magnitude with leading zeros, all nines
// beyond 99999 either side of zero.
std::string Balance_Digits(long long value);

}  // namespace plonk
