// The sound table: sound number n plays the wave file Sound_Files[n] of the
// program folder.
#pragma once

#include <array>

namespace plonk {

inline constexpr int Sound_Count = 12;

inline constexpr std::array<const char*, Sound_Count> Sound_Files = {
    "16hit.wav", "Ballhit.wav", "Bonus.wav",    "Buttons.wav", "Fall.wav",  "Invest.wav",
    "Lines.wav", "Return.wav",  "Rollover.wav", "Scores.wav",  "Shoot.wav", "Xtraball.wav",
};

}  // namespace plonk
