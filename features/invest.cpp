// Inserting points, investing and extra balls.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Knop_P_Click() {
    Not_Built("Knop_P_Click");
}

void Hoofdvenster::Invest_Points() {
    Not_Built("Invest_Points");
}

void Hoofdvenster::Request_Extra_Ball() {
    Not_Built("Request_Extra_Ball");
}

}  // namespace plonk
