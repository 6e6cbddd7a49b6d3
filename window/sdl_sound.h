// The window's audio back end on SDL2_mixer: one audio device opened at start-up,
// wave files loaded once, and sounds that start at once on free mixer channels, so
// they are heard even while the window's thread is busy and may overlap. In a quiet
// spell the device rests: an open device wakes its threads a hundred times a second or
// more even in silence, and the next sound opens it again in a millisecond or two.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct Mix_Chunk;

namespace plonk {

class Sdl_Sound {
public:
    using Clock = std::chrono::steady_clock;
    // How many sounds can play at the same time.
    static constexpr int Channels = 16;
    // A sound asked for again this soon after it started is not started twice: the
    // mixer would start both copies on the same sample, which is only louder. This
    // keeps a fast count-up a clean run of ticks instead of a clipped buzz.
    static constexpr std::chrono::milliseconds Repeat_Gap{8};
    // How long the device stays open after the last sound has ended.
    static constexpr std::chrono::milliseconds Default_Rest_After{1000};

    explicit Sdl_Sound(std::chrono::milliseconds rest_after = Default_Rest_After) : rest_after_(rest_after) {}
    Sdl_Sound(const Sdl_Sound&) = delete;
    Sdl_Sound& operator=(const Sdl_Sound&) = delete;
    ~Sdl_Sound();

    // Opens the audio device (only audio, no video; SDL leaves the signals alone).
    // False when there is no device or it cannot be opened. Opening again while
    // open does nothing.
    bool Open();
    bool Ready() const;
    // True while the device is closed for want of sounds; the next sound opens it.
    bool Resting() const;
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
        std::optional<Clock::time_point> started;  // last start
    };
    bool Open_Device();
    // Opens the device again when it rests; false when it does not open.
    bool Wake();
    void Rest_When_Quiet();

    const std::chrono::milliseconds rest_after_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::thread rest_keeper_;
    bool open_ = false;         // between Open and Close
    bool device_open_ = false;  // false while resting
    bool closing_ = false;
    Clock::time_point quiet_from_;  // when the last sound started ends
    std::vector<Loaded> sounds_;
};

}  // namespace plonk
