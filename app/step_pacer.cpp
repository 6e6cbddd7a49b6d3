#include "app/step_pacer.h"

#include <algorithm>
#include <cmath>

namespace plonk {

int64_t Step_Wait_Nanoseconds(int rounds, long iterations) {
    if (rounds <= 0 || iterations <= 0) return 0;
    return std::llround(static_cast<double>(rounds) * static_cast<double>(iterations) *
                        kNanoseconds_Per_Iteration);
}

Step_Pacer::Step_Pacer(Hooks hooks, Duration frame) : hooks_(std::move(hooks)), frame_(frame) {}

void Step_Pacer::Step(Duration wait) {
    // 1. The first step of a run was due when it was worked out, and is painted at
    //    once; every later one is due its predecessor's wait after the predecessor,
    //    whatever painting and working out took meanwhile, so the whole run lasts the
    //    sum of its waits.
    Time now = hooks_.Now();
    if (!running_) {
        running_ = true;
        due_ = now;
        frame_end_ = now;
    }
    due_ += std::max(wait, Duration::zero());
    // 2. A step due before the frame ends is worked out at once, as long as the
    //    frame's time lasts: up to a frame early.
    if (due_ < frame_end_ && now < frame_end_) return;
    // 3. The frame's steps are worked out: what they changed is painted once, a
    //    frame after the last paint at the soonest.
    if (now < last_paint_ + frame_) hooks_.Sleep_Until(last_paint_ + frame_);
    last_paint_ = hooks_.Now();
    hooks_.Paint();
    // 4. The next frame begins: at once when its first step is due within it, which
    //    makes the sleep before its paint the frame's one wake-up; else when that step
    //    is due.
    now = hooks_.Now();
    if (due_ >= now + frame_) {
        hooks_.Sleep_Until(due_);
        now = hooks_.Now();
    }
    frame_end_ = now + frame_;
    ++frame_number_;
}

void Step_Pacer::Finish() {
    if (!running_) return;
    running_ = false;
    hooks_.Sleep_Until(due_);
}

}  // namespace plonk
