#include "window/quiet_audio.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

namespace plonk {

namespace {
void Drop_Alsa_Error(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

void Quiet_Audio_Libraries() {
    snd_lib_error_set_handler(&Drop_Alsa_Error);
    SDL_LogSetPriority(SDL_LOG_CATEGORY_AUDIO, SDL_LOG_PRIORITY_CRITICAL);
}

}  // namespace plonk
