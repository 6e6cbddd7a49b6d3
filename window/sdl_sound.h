// The window's audio back end on SDL2_mixer: one audio device opened at start-up,
// wave files loaded once, and sounds that start at once on free mixer channels, so
// they are heard even while the window's thread is busy and may overlap.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Mix_Chunk;

namespace plonk {

class Sdl_Sound {
public:
    // How many sounds can play at the same time.
    static constexpr int Channels = 16;
    // A sound asked for again this soon after it started is not started twice: the
    // mixer would start both copies on the same sample, which is only louder. This
    // keeps a fast count-up a clean run of ticks instead of a clipped buzz.
    static constexpr std::chrono::milliseconds Repeat_Gap{8};

    Sdl_Sound() = default;
    Sdl_Sound(const Sdl_Sound&) = delete;
    Sdl_Sound& operator=(const Sdl_Sound&) = delete;
    ~Sdl_Sound();

    // Opens the audio device (only audio, no video; SDL leaves the signals alone).
    // False when there is no device or it cannot be opened. Opening again while
    // open does nothing.
    bool Open();
    bool Ready() const { return open_; }
    // Loads a wave file: its handle, or -1 when it cannot be loaded or no device is open.
    int32_t Load(const std::string& path);
    // Starts a loaded sound and returns at once; it may overlap every other sound,
    // itself included. When every channel is busy the sound that has played longest
    // makes way. An unknown handle plays nothing.
    void Play(int32_t handle);
    // Frees every sound and closes the device; handles are no longer valid.
    void Close();

private:
    struct Loaded {
        Mix_Chunk* chunk;
        std::optional<std::chrono::steady_clock::time_point> started;  // last start
    };
    bool open_ = false;
    std::vector<Loaded> sounds_;
};

}  // namespace plonk
