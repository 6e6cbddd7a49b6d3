// The tips worked out plainly, step by step on the record itself: trial positions
// written into the lines, trial balls into the holes, the evaluators asked, the
// paid marks set and restored. The fast calculation must give exactly the same.
#pragma once

#include <array>

#include "machine/hoofdvenster.h"

namespace plonk::reference {

// Also gives the holes' scores, when asked, once the tips are worked out.
void Reference_Set_Tip(Hoofdvenster& h, std::array<Integer, 26>* hole_scores = nullptr);

}  // namespace plonk::reference
