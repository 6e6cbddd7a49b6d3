// The card lamps.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Init_Lites() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Set_Lites() { Not_Built("Set_Lites"); }

void Hoofdvenster::Reset_Lites() {
    // Not built yet: start-up runs without it.
}

}  // namespace plonk
