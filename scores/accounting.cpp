// Counting wins onto the credits and the balance.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Update_Score(Integer& /*Winst*/) {
    Not_Built("Update_Score");
}

void Hoofdvenster::Update_Score_Bonus(Long& /*Winst*/, Integer& /*MXBon*/) {
    Not_Built("Update_Score_Bonus");
}

}  // namespace plonk
