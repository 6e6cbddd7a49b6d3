// Playfield geometry: the zone map, the holes, the pin and spring tables.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Init_Veld() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Init_Hole_XY() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Init_Tap_XY() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Init_Veer_XY() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Init_Holes() {
    // Not built yet: start-up runs without it.
}

}  // namespace plonk
