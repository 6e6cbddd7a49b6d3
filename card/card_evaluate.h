// The five evaluators on any lit-cell mask, with the paid marks and pattern
// switches the machine holds: the record's evaluators and the trials of the scan
// and the tips answer through the same rule.
#pragma once

#include <array>
#include <cstdint>

#include "app/hoofdvenster.h"
#include "card/card_masks.h"

namespace plonk::card {

enum class Evaluator { Geel, Rood, Wit, Groen, Groen_Dubbel };

// What an evaluator answers for the lit cells whose runs are `runs`.
inline int Evaluate(const Hoofdvenster& m, const Row_Runs& runs, Evaluator which) {
    switch (which) {
        case Evaluator::Geel:
            return Zone_Result(runs, Zone::Yellow, {m.Yellow_Got3, m.Yellow_Got4, m.Yellow_Got5}, false);
        case Evaluator::Rood:
            return Zone_Result(runs, Zone::Red, {m.Red_Got3, m.Red_Got4, m.Red_Got5}, m.Corners_Feature);
        case Evaluator::Wit:
            return Zone_Result(runs, Zone::White, {m.White_Got3, m.White_Got4, m.White_Got5}, false);
        case Evaluator::Groen:
            return Zone_Result(runs, Zone::Green, {m.Green_Got3, m.Green_Got4, m.Green_Got5},
                               m.Four_Stars_Feature);
        case Evaluator::Groen_Dubbel:
            return Zone_Result(runs, Zone::Green, {m.Double_Got3, m.Double_Got4, m.Double_Got5},
                               m.Four_Stars_Feature);
    }
    return 0;
}

// What an evaluator answers for the lit cells `lit`.
inline int Evaluate(const Hoofdvenster& m, uint64_t lit, Evaluator which) {
    return Evaluate(m, Runs_Of(lit), which);
}

// The five answers at once, in the order yellow, red, white, green, green double.
inline std::array<int, 5> Evaluate_All(const Hoofdvenster& m, uint64_t lit) {
    const Row_Runs runs = Runs_Of(lit);
    return {Evaluate(m, runs, Evaluator::Geel), Evaluate(m, runs, Evaluator::Rood),
            Evaluate(m, runs, Evaluator::Wit), Evaluate(m, runs, Evaluator::Groen),
            Evaluate(m, runs, Evaluator::Groen_Dubbel)};
}

}  // namespace plonk::card
