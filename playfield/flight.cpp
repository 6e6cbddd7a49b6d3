// The flight of a ball.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Knop_Bal_Click() {
    Not_Built("Knop_Bal_Click");
}

}  // namespace plonk
