// The digit displays and score boards.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Set_Main_Score() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Set_Stake_Score() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Set_Saldo_Score() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Set_Main_Bonus() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Set_Extra_Bonus() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Set_Scoreboard() {
    Not_Built("Set_Scoreboard");
}

}  // namespace plonk
