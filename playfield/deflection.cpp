// Rebound arithmetic.
#include "app/hoofdvenster.h"

namespace plonk {

Integer Hoofdvenster::Calc_Alfa(Integer, Integer) const {
    Not_Built("Calc_Alfa");
}

bool Hoofdvenster::Botsing(Integer, Integer) const {
    Not_Built("Botsing");
}

Integer Hoofdvenster::Calc_Hor(Integer, double, Integer) const {
    Not_Built("Calc_Hor");
}

Integer Hoofdvenster::Calc_Ver(Integer, double, Integer) const {
    Not_Built("Calc_Ver");
}

Integer Hoofdvenster::SoortRand(Integer) const {
    Not_Built("SoortRand");
}

}  // namespace plonk
