// Games that share one statistics file: each save adds what this game changed since
// its own last save to the file as it is then, so no game's counts are lost.
#pragma once

#include "stats/statistics.h"

namespace plonk {

// The file's statistics `disk` with this game's changes: from `saved` (this game's
// statistics as it last read or wrote them) to `now`. Counts grow by what this game
// added; the games it entered join the last games; its open game, changed in place
// since (a late collect), changes in place in the file too. When nobody else wrote
// since, that is `now` itself.
Statistics Merge_Changes(const Statistics& disk, const Statistics& saved, const Statistics& now);

}  // namespace plonk
