// The row evaluators on any lit-cell mask, with the paid marks and pattern switches
// the machine holds: the record's evaluators and the trials of the scan and the
// tips answer through the same rule, each kind's fields taken from its entry in the
// table of win kinds.
#pragma once

#include <array>
#include <cstdint>

#include "card/win_kinds.h"

namespace plonk::card {

// What the evaluator of a row kind answers for the lit cells whose runs are `runs`.
inline int Evaluate(const Card_Part& m, const Row_Runs& runs, const Win_Kind_Rule& k) {
    return Zone_Result(runs, k.Zone, Marks_Now(m, k), Pattern_Now(m, k));
}

inline int Evaluate(const Card_Part& m, const Row_Runs& runs, Win_Kind kind) {
    return Evaluate(m, runs, Rule_Of(kind));
}

// The same for a kind fixed where it is called, so that its fields are folded into
// the code: the tips call the evaluators a hundred thousand times.
template <Win_Kind Kind>
inline int Evaluate(const Card_Part& m, const Row_Runs& runs) {
    static constexpr const Win_Kind_Rule& k = Rule_Of(Kind);
    return Evaluate(m, runs, k);
}

// What the evaluator of a row kind answers for the lit cells `lit`.
inline int Evaluate(const Card_Part& m, uint64_t lit, Win_Kind kind) {
    return Evaluate(m, Runs_Of(lit), kind);
}

// The five row answers at once, in the order yellow, red, white, green, green double.
inline std::array<int, 5> Evaluate_All(const Card_Part& m, uint64_t lit) {
    const Row_Runs runs = Runs_Of(lit);
    return {Evaluate<Win_Kind::Yellow>(m, runs), Evaluate<Win_Kind::Red>(m, runs),
            Evaluate<Win_Kind::White>(m, runs), Evaluate<Win_Kind::Green>(m, runs),
            Evaluate<Win_Kind::Green_Double>(m, runs)};
}

// The row the evaluator of a row kind answers for on the card as it stands, with
// its cells.
inline Row_Found Find_Row(const Card_Part& m, Win_Kind kind) {
    const Win_Kind_Rule& k = Rule_Of(kind);
    return Find_Row(Runs_Of(Lit_Cells(m)), k.Zone, Marks_Now(m, k), Pattern_Now(m, k));
}

}  // namespace plonk::card
