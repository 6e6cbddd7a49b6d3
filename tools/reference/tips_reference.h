// The tips worked out plainly, step by step on the record itself: trial positions
// written into the lines, trial balls into the holes, the evaluators asked, the
// paid marks set and restored. The fast calculation must give exactly the same.
#pragma once

#include "machine/hoofdvenster.h"

namespace plonk::reference {

void Reference_Set_Tip(Hoofdvenster& h);

}  // namespace plonk::reference
