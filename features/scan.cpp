// Scanning and collecting.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Knop_S_Click() {
    Not_Built("Knop_S_Click");
}

void Hoofdvenster::Auto_Scan() {
    Not_Built("Auto_Scan");
}

void Hoofdvenster::Knop_2_Click() {
    Not_Built("Knop_2_Click");
}

}  // namespace plonk
