// The audio libraries' own messages: without a sound device ALSA and SDL would tell
// the terminal about every device they tried. The game says it in its Sound box.
#pragma once

namespace plonk {

// From now on ALSA's error messages and SDL's audio log are dropped; everything
// else they do is unchanged.
void Quiet_Audio_Libraries();

}  // namespace plonk
