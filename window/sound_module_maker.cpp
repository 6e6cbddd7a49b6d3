// The entry of the sound module: the program's SDL back end behind the window's seam.
#include "window/sdl_sound.h"
#include "window/sound_output.h"

extern "C" __attribute__((visibility("default"))) plonk::Sound_Output* plonk_make_sound_output() {
    return new plonk::Sound_Adapter<plonk::Sdl_Sound>();
}
