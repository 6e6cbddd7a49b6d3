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
    // 1. The first step of a run was due when it was worked out; every later one is
    //    due its predecessor's wait after the predecessor, whatever painting and
    //    working out took meanwhile, so the whole run lasts the sum of its waits.
    Time now = hooks_.Now();
    if (!running_) {
        running_ = true;
        due_ = now;
    }
    due_ += std::max(wait, Duration::zero());
    unpainted_ = true;
    for (;;) {
        // 2. Once a frame, what the steps since the last paint changed is painted,
        //    also while steps are overdue, so the screen keeps up with the ball.
        if (unpainted_ && now >= next_paint_) {
            next_paint_ = now + frame_;
            hooks_.Paint();
            unpainted_ = false;
            now = hooks_.Now();
        }
        // 3. The next step is due: it is worked out now.
        if (now >= due_) return;
        // 4. Sleep until the next step is due, or until the next frame when a change
        //    still waits to be painted before then.
        hooks_.Sleep_Until(unpainted_ ? std::min(due_, next_paint_) : due_);
        now = hooks_.Now();
    }
}

}  // namespace plonk
