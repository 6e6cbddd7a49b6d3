// The machine's sounds as waves, by their number in the sound table.
#pragma once

#include "asset_generator/synth.h"

namespace plonk::assets {

// The wave of sound `number` (0..11); empty for any other number.
Wave Make_Sound(int number);

}  // namespace plonk::assets
