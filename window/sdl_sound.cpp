#include "window/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/stat.h>

#include <chrono>

#include "window/quiet_audio.h"

namespace plonk {

namespace {
constexpr int Rate = 44100;
// Frames per mixing period: about 12 ms, so a tick sounds at once and few requests
// share a period.
constexpr int Period = 512;
}  // namespace

Sdl_Sound::~Sdl_Sound() { Close(); }

bool Sdl_Sound::Open() {
    if (open_) return true;
    // 1. SDL must not take over the window's signal handlers, and needs no video.
    //    Devices that are missing are not told on the terminal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Quiet_Audio_Libraries();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // 2. One device for the whole run: its first stream is slow to start.
    if (Mix_OpenAudio(Rate, AUDIO_S16SYS, 2, Period) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // 3. Enough channels for a count-up's overlapping ticks.
    Mix_AllocateChannels(Channels);
    open_ = true;
    return true;
}

int32_t Sdl_Sound::Load(const std::string& path) {
    if (!open_) return -1;
    // Only a regular file is handed to the library, which would wait on a FIFO.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return -1;
    sounds_.push_back({chunk, {}});
    return static_cast<int32_t>(sounds_.size() - 1);
}

void Sdl_Sound::Play(int32_t handle) {
    if (!open_ || handle < 0 || static_cast<size_t>(handle) >= sounds_.size()) return;
    Loaded& sound = sounds_[static_cast<size_t>(handle)];
    const auto now = std::chrono::steady_clock::now();
    if (sound.started && now - *sound.started < Repeat_Gap) return;
    sound.started = now;
    Mix_Chunk* chunk = sound.chunk;
    if (Mix_PlayChannel(-1, chunk, 0) >= 0) return;
    // Every channel is busy: the oldest sound makes way for the new one.
    const int oldest = Mix_GroupOldest(-1);
    if (oldest < 0) return;
    Mix_HaltChannel(oldest);
    Mix_PlayChannel(oldest, chunk, 0);
}

void Sdl_Sound::Close() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (const Loaded& sound : sounds_) Mix_FreeChunk(sound.chunk);
    sounds_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

}  // namespace plonk
