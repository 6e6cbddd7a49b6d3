// Tips: the best holes and the best line setting.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Set_Tip() { Not_Built("Set_Tip"); }

}  // namespace plonk
