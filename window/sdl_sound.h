// The window's audio back end on SDL2's audio device: a device found at start-up,
// wave files loaded once at its rate, and sounds that start at once on free voices
// of the program's own mixer, so they are heard even while the window's thread is
// busy and may overlap. The device is open only while sounds play and for a moment
// after: an open device wakes its threads a hundred times a second or more even in
// silence, and the next sound opens it again in a millisecond or two.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace plonk {

class Sdl_Sound {
public:
    using Clock = std::chrono::steady_clock;
    // How many sounds can play at the same time.
    static constexpr int Voices = 16;
    // The mixer's format: 16-bit samples at this rate, played on two channels.
    static constexpr int Rate = 44100;
    // A sound asked for again this soon after it started is not started twice: two
    // copies this close together only sound as one louder one. This keeps a fast
    // count-up a clean run of ticks instead of a clipped buzz.
    static constexpr std::chrono::milliseconds Repeat_Gap{8};
    // How long the device stays open after the last sound has ended, and after it
    // was opened before any sound: opening only finds out that there is a device.
    static constexpr std::chrono::milliseconds Default_Rest_After{1000};
    static constexpr std::chrono::milliseconds Default_Rest_After_Opening{0};

    explicit Sdl_Sound(std::chrono::milliseconds rest_after = Default_Rest_After,
                       std::chrono::milliseconds rest_after_opening = Default_Rest_After_Opening)
        : rest_after_(rest_after), rest_after_opening_(rest_after_opening) {}
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
    // Loads a wave file: its handle, or -1 when it cannot be loaded or Open has not
    // succeeded. A resting device stays at rest.
    int32_t Load(const std::string& path);
    // Starts a loaded sound and returns at once; it may overlap every other sound,
    // itself included. When every voice is busy the sound that has played longest
    // makes way. An unknown handle plays nothing.
    void Play(int32_t handle);
    // Frees every sound and closes the device; handles are no longer valid.
    void Close();

private:
    struct Loaded {
        std::vector<int16_t> samples;              // at the mixer's rate, frame by frame
        int channels = 1;                          // in each frame: 1 or 2
        std::optional<Clock::time_point> started;  // last start
    };
    struct Voice {
        const int16_t* next = nullptr;  // nullptr when free
        size_t left = 0;                // frames
        size_t wait = 0;                // frames of silence before it starts
        int channels = 1;
        uint64_t order = 0;  // higher started later
    };
    static std::optional<Loaded> Read_Wave(const std::string& path);
    // SDL's audio thread asks for the next period here.
    static void Mix(void* self, uint8_t* out, int bytes);
    bool Open_Device();
    // Opens the device again when it rests; false when it does not open.
    bool Wake(std::unique_lock<std::mutex>& lock);
    bool Playing() const;
    void Rest_When_Quiet();

    const std::chrono::milliseconds rest_after_;
    const std::chrono::milliseconds rest_after_opening_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::thread rest_keeper_;
    bool open_ = false;  // between Open and Close
    bool closing_ = false;
    uint32_t device_ = 0;           // SDL's number for the open device; 0 while resting
    bool device_closing_ = false;   // the rest keeper is closing it
    Clock::time_point quiet_from_;  // when the last sound started ends
    std::vector<Loaded> sounds_;
    // Touched by SDL's audio thread: only with the device locked, or while it is closed.
    std::array<Voice, Voices> voices_{};
    Clock::time_point mixed_at_;  // when the last period was mixed
    uint64_t starts_ = 0;
};

}  // namespace plonk
