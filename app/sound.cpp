// Sound effects.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Init_Sound() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Speel(Integer /*MMID*/) {
    // Not built yet: start-up runs without it.
}

}  // namespace plonk
