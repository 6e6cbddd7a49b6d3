#include "app/random.h"

namespace plonk {

uint64_t Random::Next64() {
    // splitmix64: small, fast and of good quality for a game.
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Random::Rnd() {
    if (!queued_.empty()) {
        double v = queued_.front();
        queued_.pop_front();
        return v;
    }
    return static_cast<double>(Next64() >> 11) * (1.0 / 9007199254740992.0);
}

void Random::Randomize(uint64_t clock_seed) {
    if (fixed_) return;
    state_ = clock_seed ^ 0x2545f4914f6cdd1dULL;
}

void Random::Fix_Seed(uint64_t seed) {
    fixed_ = true;
    state_ = seed;
}

}  // namespace plonk
