// The card lines and their positions.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Knop_A_Click() {
    Not_Built("Knop_A_Click");
}

void Hoofdvenster::Knop_B_Click() {
    Not_Built("Knop_B_Click");
}

void Hoofdvenster::Knop_C_Click() {
    Not_Built("Knop_C_Click");
}

void Hoofdvenster::Knop_D_Click() {
    Not_Built("Knop_D_Click");
}

void Hoofdvenster::Knop_E_Click() {
    Not_Built("Knop_E_Click");
}

void Hoofdvenster::Command1_Click() {
    Not_Built("Command1_Click");
}

void Hoofdvenster::Auto_Lines(Integer& /*LineSet*/) {
    Not_Built("Auto_Lines");
}

void Hoofdvenster::Set_Lijnen() {
    // Not built yet: start-up runs without it.
}

}  // namespace plonk
