// Flags and the clock.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Set_Vlaggen() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Timer1_Timer() {
    Not_Built("Timer1_Timer");
}

}  // namespace plonk
