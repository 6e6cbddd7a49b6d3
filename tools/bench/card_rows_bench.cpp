// Speed of row evaluation: one evaluator call on the machine, and the tips' worst
// case (every line setting x every trial hole x five evaluators) on the masks.
#include <benchmark/benchmark.h>

#include <random>

#include "card/card_evaluate.h"
#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"

namespace {

using namespace plonk;

// A card with a third of the holes lit, lines spread over their positions.
struct Bench_Card {
    Headless_Toolkit tk;
    Hoofdvenster m{tk, "/dev/null"};
    Bench_Card() {
        m.Init_Lites();
        std::mt19937 rng(11);
        for (int n = 1; n <= 25; ++n) m.Hole_State(n) = rng() % 3 == 0 ? 1 : 0;
        for (int line = 0; line <= 4; ++line) m.Line_Pos(line) = To_Integer(line % 3);
    }
};

// One call of one of the machine's evaluators.
template <auto Evaluator>
void BM_Evaluator(benchmark::State& state) {
    Bench_Card card;
    Integer result = 0;
    for (auto _ : state) {
        (card.m.*Evaluator)(result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Evaluator<&Hoofdvenster::Geel_Op_Rij>)->Name("BM_Geel_Op_Rij");
BENCHMARK(BM_Evaluator<&Hoofdvenster::Rood_Op_Rij>)->Name("BM_Rood_Op_Rij");

// The lit-cell mask and one zone from it, without the record.
void BM_Zone_Result_From_Mask(benchmark::State& state) {
    Bench_Card card;
    uint64_t lit = card::Lit_Cells(card.m);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lit);
        int r = card::Zone_Result(lit, card::Zone::Green, {}, card::Star_Cells);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Zone_Result_From_Mask);

// The tips' worst case on the building block: 25 trial holes x 243 line settings x
// five evaluators.
void BM_Tips_Worst_Case_Masks(benchmark::State& state) {
    Bench_Card card;
    const uint32_t base = card::Hole_Bits(card.m);
    for (auto _ : state) {
        int sum = 0;
        for (int trial = 1; trial <= 25; ++trial) {
            const card::Lit_Rings rings = card::Rings_Of_Holes(base | card::Hole_Bit(trial));
            for (int code = 0; code < card::Line_Set_Count; ++code) {
                const uint64_t lit = card::Lit_Cells(rings, card::Line_Set_Targets(code));
                for (int answer : card::Evaluate_All(card.m, lit)) sum += answer;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 25 * card::Line_Set_Count * 5);
}
BENCHMARK(BM_Tips_Worst_Case_Masks)->Unit(benchmark::kMicrosecond);

// The same worst case through the machine's evaluators, trying positions and balls
// in the record and putting them back.
void BM_Tips_Worst_Case_Record(benchmark::State& state) {
    Bench_Card card;
    Hoofdvenster& m = card.m;
    for (auto _ : state) {
        int sum = 0;
        Integer r = 0;
        for (int trial = 1; trial <= 25; ++trial) {
            const Integer was = m.Hole_State(trial);
            m.Hole_State(trial) = 1;
            for (int code = 0; code < card::Line_Set_Count; ++code) {
                const card::Line_Positions pos = card::Line_Set_Targets(code);
                for (int line = 0; line <= 4; ++line) m.Line_Pos(line) = To_Integer(pos[line]);
                m.Geel_Op_Rij(r), sum += r;
                m.Rood_Op_Rij(r), sum += r;
                m.Wit_Op_Rij(r), sum += r;
                m.Groen_Op_Rij(r), sum += r;
                m.Groen_Op_Rij_Dubbel(r), sum += r;
            }
            m.Hole_State(trial) = was;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 25 * card::Line_Set_Count * 5);
}
BENCHMARK(BM_Tips_Worst_Case_Record)->Unit(benchmark::kMicrosecond);

}  // namespace
