// The sound table: each sound by name, and the wave file of the program folder it
// plays. A sound's number is its place in the table.
#pragma once

#include <array>

#include "app/basic_types.h"

namespace plonk {

enum class Sound : Integer {
    Hit16 = 0,  // loaded, never asked for
    Ball_Hit = 1,
    Bonus = 2,
    Buttons = 3,
    Fall = 4,
    Invest = 5,
    Lines = 6,
    Return = 7,
    Rollover = 8,
    Scores = 9,
    Shoot = 10,
    Extra_Ball = 11,
};

inline constexpr int Sound_Count = 12;

inline constexpr std::array<const char*, Sound_Count> Sound_Files = {
    "16hit.wav", "Ballhit.wav", "Bonus.wav",    "Buttons.wav", "Fall.wav",  "Invest.wav",
    "Lines.wav", "Return.wav",  "Rollover.wav", "Scores.wav",  "Shoot.wav", "Xtraball.wav",
};

// The "&Sound" box's tooltip when there is no sound output.
inline constexpr const char* No_Sound_Device_Tip = "No audio device was found, so the game plays without sound";

}  // namespace plonk
