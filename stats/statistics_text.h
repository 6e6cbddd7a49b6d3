// The statistics in the player's words: the rows of the Statistics window, each a
// name and its value ("Points won", "1234"); a row whose name starts with two blanks
// is a part of the row above it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "stats/statistics.h"

namespace plonk {

struct Statistics_Row {
    std::string Name, Value;
};

std::vector<Statistics_Row> Statistics_Rows(const Statistics& s);

// Points won per point spent as a percentage with one decimal ("87.5 %"); "-" before
// anything was spent.
std::string Return_Text(std::optional<double> ratio);

}  // namespace plonk
