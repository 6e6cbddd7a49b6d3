// The pace of the ball's flight: every step is worked out at its own time on the
// clock, the screen is painted once a display frame with what the steps changed, and
// the time between is slept, never spun.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace plonk {

// One counting iteration of the flight's wait lasts this long. A step in the open at
// ball speed 50 counts 160 * 50 = 8000 iterations per round, which makes a round half
// a millisecond; every other step keeps its ratio of iterations to that. A typical
// ball of some 5,000 steps then flies for about two and a half seconds at speed 50
// and offset 1 (plonk_window_bench, Flight_Of_A_Typical_Ball).
inline constexpr double kNanoseconds_Per_Iteration = 62.5;

// How long the wait after a step of `rounds` rounds of `iterations` iterations lasts;
// nothing for 0 or less.
int64_t Step_Wait_Nanoseconds(int rounds, long iterations);

class Step_Pacer {
public:
    using Clock = std::chrono::steady_clock;
    using Time = Clock::time_point;
    using Duration = std::chrono::nanoseconds;

    // What the pacer needs from the outside: the clock, a sleep until a time, and
    // painting what the steps changed since the last paint.
    struct Hooks {
        std::function<Time()> Now;
        std::function<void(Time)> Sleep_Until;
        std::function<void()> Paint;
    };

    Step_Pacer(Hooks hooks, Duration frame);

    // The display's frame: painting happens at most once in it.
    void Set_Frame(Duration frame) { frame_ = frame; }
    Duration Frame() const { return frame_; }

    // A new run of steps begins with the next step, which is due at once.
    void Restart() { running_ = false; }

    // A step has been worked out and changed the screen; the next step is due
    // `wait` after this one was. Returns when the next step is due.
    void Step(Duration wait);

    // When the next step is due.
    Time Due() const { return due_; }

private:
    Hooks hooks_;
    Duration frame_;
    bool running_ = false;
    bool unpainted_ = false;  // a step changed the screen since the last paint
    Time due_{};              // when the next step is due
    Time next_paint_{};       // the earliest time of the next paint
};

}  // namespace plonk
