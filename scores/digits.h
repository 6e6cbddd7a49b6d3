// The digits the counters show.
#pragma once

#include <string>

namespace plonk {

// The digits of an unsigned counter of `width` places (4 or 5): the value with
// leading zeros ("00042"), all nines when it does not fit, and all zeros for a
// negative value, which the machine itself never produces.
std::string Counter_Digits(long long value, int width);

// The five digits of the balance: its magnitude with leading zeros, all nines
// beyond 99999 either side of zero.
std::string Balance_Digits(long long value);

}  // namespace plonk
