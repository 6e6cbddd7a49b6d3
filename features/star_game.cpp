// The star game.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Sterrenspel(Integer& /*Result*/) {
    Not_Built("Sterrenspel");
}

void Hoofdvenster::Set_Sterspel_Info() {
    Not_Built("Set_Sterspel_Info");
}

void Hoofdvenster::Remove_Sterspel_Info() {
    Not_Built("Remove_Sterspel_Info");
}

}  // namespace plonk
