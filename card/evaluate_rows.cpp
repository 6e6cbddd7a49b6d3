// Row evaluation by colour zone.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Geel_Op_Rij(Integer& /*Result*/) const {
    Not_Built("Geel_Op_Rij");
}

void Hoofdvenster::Rood_Op_Rij(Integer& /*Result*/) const {
    Not_Built("Rood_Op_Rij");
}

void Hoofdvenster::Wit_Op_Rij(Integer& /*Result*/) const {
    Not_Built("Wit_Op_Rij");
}

void Hoofdvenster::Groen_Op_Rij(Integer& /*Result*/) const {
    Not_Built("Groen_Op_Rij");
}

void Hoofdvenster::Groen_Op_Rij_Dubbel(Integer& /*Result*/) const {
    Not_Built("Groen_Op_Rij_Dubbel");
}

}  // namespace plonk
