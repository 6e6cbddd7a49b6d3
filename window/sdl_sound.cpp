#include "window/sdl_sound.h"

#include <SDL.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "window/quiet_audio.h"

namespace plonk {

namespace {
constexpr int Channels = 2;  // the device's: left and right
// Frames per mixing period, about 23 ms: a sound server wakes the device's thread
// several times a period, so a longer one halves the work while sounds play. A sound
// starts as far into the next period as it was asked for into the one being played,
// so always one period after it was asked for: the sounds keep their spacing, and a
// fast count-up stays a clean run of ticks.
constexpr int Period = 1024;

Sdl_Sound::Clock::duration Length_Of(size_t frames) {
    return std::chrono::microseconds(static_cast<int64_t>(frames) * 1'000'000 / Sdl_Sound::Rate);
}

int16_t Clipped(int sum) { return static_cast<int16_t>(std::clamp(sum, -32768, 32767)); }
}  // namespace

// A wave file as 16-bit samples at the mixer's rate, in its own one or two channels:
// a mono sound is kept mono, half the memory, and heard on both sides. Nothing when
// SDL cannot read or convert it.
std::optional<Sdl_Sound::Loaded> Sdl_Sound::Read_Wave(const std::string& path) {
    SDL_AudioSpec file{};
    Uint8* wave = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &file, &wave, &length)) return std::nullopt;
    const int channels = file.channels == 1 ? 1 : Channels;
    SDL_AudioCVT cvt{};
    std::optional<Loaded> out;
    if (SDL_BuildAudioCVT(&cvt, file.format, file.channels, file.freq, AUDIO_S16SYS,
                          static_cast<Uint8>(channels), Rate) >= 0) {
        // Converted in place, in room for the longest result.
        std::vector<int16_t> samples((static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult) + 1) /
                                     sizeof(int16_t));
        std::memcpy(samples.data(), wave, length);
        cvt.buf = reinterpret_cast<Uint8*>(samples.data());
        cvt.len = cvt.len_cvt = static_cast<int>(length);
        if (!cvt.needed || SDL_ConvertAudio(&cvt) == 0) {
            const size_t frames =
                static_cast<size_t>(cvt.len_cvt) / sizeof(int16_t) / static_cast<size_t>(channels);
            samples.resize(frames * static_cast<size_t>(channels));
            samples.shrink_to_fit();
            out = Loaded{std::move(samples), channels, {}};
        }
    }
    SDL_FreeWAV(wave);
    return out;
}

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
    open_ = true;
    closing_ = false;
    quiet_from_ = Clock::now() - rest_after_ + rest_after_opening_;
    rest_keeper_ = std::thread([this] { Rest_When_Quiet(); });
    return true;
}

bool Sdl_Sound::Open_Device() {
    // The mixer's format is fixed, whatever the device's own: SDL converts, so the
    // loaded sounds stay right for every later opening.
    SDL_AudioSpec want{};
    want.freq = Rate;
    want.format = AUDIO_S16SYS;
    want.channels = Channels;
    want.samples = Period;
    want.callback = &Sdl_Sound::Mix;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device_ == 0) return false;
    mixed_at_ = Clock::now();  // no period is mixed before the device starts
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void Sdl_Sound::Mix(void* self, uint8_t* out, int bytes) {
    auto* me = static_cast<Sdl_Sound*>(self);
    me->mixed_at_ = Clock::now();
    const size_t period = static_cast<size_t>(bytes) / sizeof(int16_t) / Channels;
    auto* to = reinterpret_cast<int16_t*>(out);
    std::memset(out, 0, static_cast<size_t>(bytes));
    for (Voice& voice : me->voices_) {
        if (!voice.next) continue;
        const size_t wait = std::min(voice.wait, period);
        voice.wait -= wait;
        const size_t n = std::min(voice.left, period - wait);
        // Added to what the other voices play, as loud as it was recorded; a mono
        // sound on both sides.
        const int right = voice.channels - 1;
        for (size_t f = 0; f < n; ++f) {
            const int16_t* from = voice.next + f * static_cast<size_t>(voice.channels);
            int16_t* frame = to + (wait + f) * Channels;
            frame[0] = Clipped(frame[0] + from[0]);
            frame[1] = Clipped(frame[1] + from[right]);
        }
        voice.next += n * static_cast<size_t>(voice.channels);
        voice.left -= n;
        if (voice.left == 0) voice.next = nullptr;
    }
}

bool Sdl_Sound::Ready() const {
    std::lock_guard lock(mutex_);
    return open_;
}

bool Sdl_Sound::Resting() const {
    std::lock_guard lock(mutex_);
    return open_ && device_ == 0 && !device_closing_;
}

bool Sdl_Sound::Wake(std::unique_lock<std::mutex>& lock) {
    // A device still being closed is let go first: the next one may be the same.
    changed_.wait(lock, [this] { return !device_closing_; });
    if (device_ != 0) return true;
    if (!Open_Device()) return false;
    changed_.notify_all();
    return true;
}

int32_t Sdl_Sound::Load(const std::string& path) {
    {
        std::lock_guard lock(mutex_);
        if (!open_) return -1;
    }
    // Only a regular file is handed to the library, which would wait on a FIFO.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    std::optional<Loaded> sound = Read_Wave(path);
    if (!sound) return -1;
    std::lock_guard lock(mutex_);
    if (!open_) return -1;
    // The voices point into the samples, which stay where they are when the list grows.
    sounds_.push_back(std::move(*sound));
    return static_cast<int32_t>(sounds_.size() - 1);
}

void Sdl_Sound::Play(int32_t handle) {
    std::unique_lock lock(mutex_);
    if (!open_ || handle < 0 || static_cast<size_t>(handle) >= sounds_.size()) return;
    Loaded& sound = sounds_[static_cast<size_t>(handle)];
    if (sound.samples.empty()) return;
    const auto now = Clock::now();
    if (sound.started && now - *sound.started < Repeat_Gap) return;
    if (!Wake(lock)) return;
    sound.started = now;
    const size_t frames = sound.samples.size() / static_cast<size_t>(sound.channels);
    quiet_from_ = std::max(quiet_from_, now + Length_Of(frames));
    SDL_LockAudioDevice(device_);
    // A free voice, or else the one that started first makes way.
    Voice* voice = &voices_[0];
    for (Voice& v : voices_) {
        if (!v.next) {
            voice = &v;
            break;
        }
        if (v.order < voice->order) voice = &v;
    }
    // As far into the next period as this moment is into the one being played.
    const auto into = std::chrono::duration_cast<std::chrono::microseconds>(now - mixed_at_).count();
    const int64_t wait = std::clamp<int64_t>(into * Rate / 1'000'000, 0, Period - 1);
    *voice = {sound.samples.data(), frames, static_cast<size_t>(wait), sound.channels, ++starts_};
    SDL_UnlockAudioDevice(device_);
}

bool Sdl_Sound::Playing() const {
    SDL_LockAudioDevice(device_);
    const bool playing = std::any_of(voices_.begin(), voices_.end(), [](const Voice& v) { return v.next; });
    SDL_UnlockAudioDevice(device_);
    return playing;
}

void Sdl_Sound::Rest_When_Quiet() {
    std::unique_lock lock(mutex_);
    while (!closing_) {
        if (device_ == 0) {
            changed_.wait(lock);
            continue;
        }
        const auto due = quiet_from_ + rest_after_;
        if (Clock::now() < due) {
            changed_.wait_until(lock, due);
            continue;
        }
        // A sound still mixing (the device may have started it late) is let finish.
        if (Playing()) {
            quiet_from_ = Clock::now();
            continue;
        }
        // Closing waits for SDL's thread to end, some 25 ms: sounds loaded meanwhile
        // need not wait for it, and one asked for waits in Wake.
        const uint32_t device = device_;
        device_ = 0;
        device_closing_ = true;
        lock.unlock();
        SDL_CloseAudioDevice(device);
        lock.lock();
        device_closing_ = false;
        changed_.notify_all();
    }
}

void Sdl_Sound::Close() {
    {
        std::lock_guard lock(mutex_);
        if (!open_) return;
        closing_ = true;
    }
    changed_.notify_all();
    rest_keeper_.join();
    std::lock_guard lock(mutex_);
    // Closing the device stops every sound, so the sounds can then be freed.
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
    voices_ = {};
    sounds_.clear();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

}  // namespace plonk
