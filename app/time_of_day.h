// The time of day as the machine's clock reads it: "hh:mm:ss", local time.
#pragma once

#include <ctime>
#include <string>

namespace plonk {

// That moment's local time of day, "hh:mm:ss" with every field two digits.
std::string Time_Of_Day_Text(std::time_t when);

}  // namespace plonk
