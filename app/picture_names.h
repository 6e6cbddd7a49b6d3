// The names of the picture files that change at run time, one function per kind.
// The machine shows them by these names and the asset generator writes them under
// the same names.
#pragma once

#include <string>

namespace plonk {

// The picture of one digit character ("Digit_7.bmp" for '7'). A character that is
// not a digit shows as 0, so no display can ask for a picture that does not exist.
const std::string& Digit_File(char digit);

// The sign before the balance: "Min.bmp" below zero, otherwise "Plus.bmp".
const std::string& Sign_File(bool negative);

// The picture of score board `board` (0 yellow, 1 red, 2 white, 3 green) at odds
// `level`: "GeleScore_4.bmp". Only the level's last character counts, so a level
// outside 0..9 still names a picture that exists.
const std::string& Score_Board_File(int board, int level);

// The picture of a card lamp showing hole `number` (1..25): the number as two digits
// followed by "-on-mid.gif", "-on.gif", "-off-mid.gif" or "-off.gif".
const std::string& Lamp_File(int number, bool lit, bool mid);

}  // namespace plonk
