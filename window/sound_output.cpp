#include "window/sound_output.h"

#if __has_include("window/sdl_sound.h")
#include "window/sdl_sound.h"
#define PLONK_HAS_SDL_SOUND 1
#endif

namespace plonk {

std::unique_ptr<Sound_Output> Make_Sound_Output() {
#ifdef PLONK_HAS_SDL_SOUND
    return std::make_unique<Sound_Adapter<Sdl_Sound>>();
#else
    return std::make_unique<No_Sound>();
#endif
}

}  // namespace plonk
