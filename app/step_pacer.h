// The pace of the ball's flight: the steps due before the end of a display frame are
// worked out together as it begins, the time until its end is slept, never spun, and
// the screen is then painted once with what they changed: one wake-up a frame.
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
    // `wait` after this one was. Returns when the next step is to be worked out: at
    // once when it is due before the end of this frame (up to a frame early), else
    // once this frame's steps are painted and the next frame begins.
    void Step(Duration wait);

    // The run of steps is over, and the program goes on with something else: that
    // happens when it would have after a step worked out at its due time, so a run
    // lasts as long as its waits add up to. The steps not yet painted are left to
    // whatever the program paints next.
    void Finish();

    // When the next step is due, and whether a run of steps goes on.
    Time Due() const { return due_; }
    bool Running() const { return running_; }
    // Counts the frames whose steps were worked out together: steps that see the
    // same number belong to one frame, and may share what they read of the outside.
    uint64_t Frame_Number() const { return frame_number_; }

private:
    Hooks hooks_;
    Duration frame_;
    bool running_ = false;
    Time due_{};        // when the next step is due
    Time frame_end_{};  // the steps due before this are worked out without a pause
    Time last_paint_ = Time::min();
    uint64_t frame_number_ = 0;
};

}  // namespace plonk
