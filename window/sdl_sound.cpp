#include "window/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/stat.h>

#include <algorithm>

#include "window/quiet_audio.h"

namespace plonk {

namespace {
constexpr int Rate = 44100;
constexpr int Frame_Bytes = 4;  // 16 bits, two channels
// Frames per mixing period: about 12 ms, so a tick sounds at once and few requests
// share a period.
constexpr int Period = 512;

Sdl_Sound::Clock::duration Length_Of(const Mix_Chunk& chunk) {
    return std::chrono::microseconds(static_cast<int64_t>(chunk.alen) * 1'000'000 / (Rate * Frame_Bytes));
}
}  // namespace

Sdl_Sound::~Sdl_Sound() { Close(); }

bool Sdl_Sound::Open() {
    std::lock_guard lock(mutex_);
    if (open_) return true;
    // 1. SDL must not take over the window's signal handlers, and needs no video.
    //    Devices that are missing are not told on the terminal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Quiet_Audio_Libraries();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (!Open_Device()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // 2. From now on the device rests whenever it has been quiet long enough.
    open_ = device_open_ = true;
    closing_ = false;
    quiet_from_ = Clock::now();
    rest_keeper_ = std::thread([this] { Rest_When_Quiet(); });
    return true;
}

bool Sdl_Sound::Open_Device() {
    // The mixer's format is fixed, whatever the device's own: SDL converts, so the
    // loaded sounds stay right for every later opening.
    if (Mix_OpenAudioDevice(Rate, AUDIO_S16SYS, 2, Period, nullptr, 0) != 0) return false;
    // Enough channels for a count-up's overlapping ticks.
    Mix_AllocateChannels(Channels);
    return true;
}

bool Sdl_Sound::Ready() const {
    std::lock_guard lock(mutex_);
    return open_;
}

bool Sdl_Sound::Resting() const {
    std::lock_guard lock(mutex_);
    return open_ && !device_open_;
}

bool Sdl_Sound::Wake() {
    if (device_open_) return true;
    if (!Open_Device()) return false;
    device_open_ = true;
    changed_.notify_one();
    return true;
}

int32_t Sdl_Sound::Load(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (!open_) return -1;
    // Only a regular file is handed to the library, which would wait on a FIFO.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    if (!Wake()) return -1;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return -1;
    sounds_.push_back({chunk, {}});
    return static_cast<int32_t>(sounds_.size() - 1);
}

void Sdl_Sound::Play(int32_t handle) {
    std::lock_guard lock(mutex_);
    if (!open_ || handle < 0 || static_cast<size_t>(handle) >= sounds_.size()) return;
    Loaded& sound = sounds_[static_cast<size_t>(handle)];
    const auto now = Clock::now();
    if (sound.started && now - *sound.started < Repeat_Gap) return;
    if (!Wake()) return;
    sound.started = now;
    Mix_Chunk* chunk = sound.chunk;
    quiet_from_ = std::max(quiet_from_, now + Length_Of(*chunk));
    if (Mix_PlayChannel(-1, chunk, 0) >= 0) return;
    // Every channel is busy: the oldest sound makes way for the new one.
    const int oldest = Mix_GroupOldest(-1);
    if (oldest < 0) return;
    Mix_HaltChannel(oldest);
    Mix_PlayChannel(oldest, chunk, 0);
}

void Sdl_Sound::Rest_When_Quiet() {
    std::unique_lock lock(mutex_);
    while (!closing_) {
        if (!device_open_) {
            changed_.wait(lock);
            continue;
        }
        const auto due = quiet_from_ + rest_after_;
        if (Clock::now() < due) {
            changed_.wait_until(lock, due);
            continue;
        }
        // A sound still mixing (the device may have started it late) is let finish.
        if (Mix_Playing(-1) > 0) {
            quiet_from_ = Clock::now();
            continue;
        }
        Mix_CloseAudio();
        device_open_ = false;
    }
}

void Sdl_Sound::Close() {
    {
        std::lock_guard lock(mutex_);
        if (!open_) return;
        closing_ = true;
    }
    changed_.notify_one();
    rest_keeper_.join();
    std::lock_guard lock(mutex_);
    // Closing the device stops every sound, so the sounds can then be freed.
    if (device_open_) Mix_CloseAudio();
    for (const Loaded& sound : sounds_) Mix_FreeChunk(sound.chunk);
    sounds_.clear();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = device_open_ = false;
}

}  // namespace plonk
