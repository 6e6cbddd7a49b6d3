// The statistics file's text: a versioned JSON object.
//
//   {"format": "plonk-statistics", "version": 1, "games_played": 12, ...,
//    "last_games": [[spent, won], ...]}
//
// Every count is a whole number from 0 to 10^15. Reading is strict: text that is not
// such an object in every part (cut short, garbage, another program's JSON, a newer
// version, a count out of range) is refused with the reason, never half read.
#pragma once

#include <optional>
#include <string>

#include "stats/statistics.h"

namespace plonk {

inline constexpr int Statistics_Version = 1;

std::string Statistics_To_Json(const Statistics& s);

struct Statistics_Read {
    std::optional<Statistics> Data;
    std::string Problem;  // why the text was refused; empty when it was read
};
Statistics_Read Statistics_From_Json(const std::string& text);

}  // namespace plonk
