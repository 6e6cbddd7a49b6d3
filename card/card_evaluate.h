// The five evaluators on any lit-cell mask, with the paid marks and pattern
// switches the machine holds: the record's evaluators and the trials of the scan
// and the tips answer through the same rule.
#pragma once

#include <cstdint>

#include "app/hoofdvenster.h"
#include "card/card_masks.h"

namespace plonk::card {

enum class Evaluator { Geel, Rood, Wit, Groen, Groen_Dubbel };

// What an evaluator answers for the lit cells `lit`.
inline int Evaluate(const Hoofdvenster& m, uint64_t lit, Evaluator which) {
    switch (which) {
        case Evaluator::Geel:
            return Zone_Result(lit, Zone::Yellow, {m.Yellow_Got3, m.Yellow_Got4, m.Yellow_Got5}, false);
        case Evaluator::Rood:
            return Zone_Result(lit, Zone::Red, {m.Red_Got3, m.Red_Got4, m.Red_Got5}, m.Corners_Feature);
        case Evaluator::Wit:
            return Zone_Result(lit, Zone::White, {m.White_Got3, m.White_Got4, m.White_Got5}, false);
        case Evaluator::Groen:
            return Zone_Result(lit, Zone::Green, {m.Green_Got3, m.Green_Got4, m.Green_Got5},
                               m.Four_Stars_Feature);
        case Evaluator::Groen_Dubbel:
            return Zone_Result(lit, Zone::Green, {m.Double_Got3, m.Double_Got4, m.Double_Got5},
                               m.Four_Stars_Feature);
    }
    return 0;
}

}  // namespace plonk::card
