// The tips' worst case: every line free (line level 10), the fifth ball, four balls
// played and every hole unlit, so all 243 settings are tried with 25 trial balls.
#include <benchmark/benchmark.h>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "tools/reference/tips_reference.h"

namespace plonk {
namespace {

void Worst_Case(Hoofdvenster& h) {
    h.Check1.Value = 1;
    h.Line_Level = 10;
    h.Fifth_Ball = true;
    h.Balls_Played = 4;
    h.Yellow_Level = h.Red_Level = h.White_Level = h.Green_Level = 9;
    h.Green_Double_Active = true;
    h.Corners_Feature = true;
    for (int hole = 1; hole <= 25; ++hole) h.Hole_State(hole) = 0;
}

template <void (*Calculate)(Hoofdvenster&)>
void Tips(benchmark::State& state) {
    Headless_Toolkit tk;
    tk.Check_Pictures = false;
    Hoofdvenster m(tk, "/dev/null");
    m.Form_Load();
    Worst_Case(m);
    for (auto _ : state) {
        Calculate(m);
        tk.Log.clear();
        benchmark::DoNotOptimize(m.Tip_Line_Set);
    }
}

void Fast(Hoofdvenster& h) { h.Set_Tip(); }
void Plain(Hoofdvenster& h) { reference::Reference_Set_Tip(h); }

BENCHMARK(Tips<Fast>)->Name("Set_Tip/worst_case")->Unit(benchmark::kMicrosecond);
BENCHMARK(Tips<Plain>)->Name("Set_Tip_reference/worst_case")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plonk
