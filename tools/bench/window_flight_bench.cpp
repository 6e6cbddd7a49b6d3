// What a flight step costs the window: painting the moved ball, a full refresh, and
// the wait itself. Run under a real X server for figures that match play:
//   xvfb-run -a build/bin/plonk_window_bench
// The flight of a typical ball (start speed 70, ball speed 50, offset 1) should
// last one to four seconds:
//   xvfb-run -a build/bin/plonk_window_bench --benchmark_filter=Typical
// A ball held where it cannot leave holds the window for less than two seconds at
// the same speed before it is given up:
//   xvfb-run -a build/bin/plonk_window_bench --benchmark_filter=Trapped
#include <benchmark/benchmark.h>

#include <QTest>
#include <cstdio>

#include "offscreen/flight_watch.h"
#include "offscreen/window_harness.h"
#include "playfield/flight.h"
#include "window/busy_wait.h"
#include "window/screen_widget.h"

namespace plonk::test {
namespace {

Window_Under_Test& Shown_Window() {
    static Window_Under_Test* t = [] {
        auto* w = new Window_Under_Test;
        w->Start();
        // Painting counts only once the window is on the screen.
        if (!QTest::qWaitForWindowExposed(w->W.get())) std::fputs("the window never showed\n", stderr);
        w->M().Image_Bal(0).Visible = true;
        return w;
    }();
    return *t;
}

void Flight_Step_Moving_The_Ball(benchmark::State& state) {
    Window_Under_Test& t = Shown_Window();
    Control& ball = t.M().Image_Bal(0);
    int step = 0;
    for (auto _ : state) {
        ball.Left = 20 + (step % 280);
        ball.Top = 40 + (step / 280) % 400;
        ++step;
        t.W->Flight_Step(0, 0);
    }
}
BENCHMARK(Flight_Step_Moving_The_Ball)->Unit(benchmark::kMicrosecond);

void Refresh_Whole_Window(benchmark::State& state) {
    Window_Under_Test& t = Shown_Window();
    for (auto _ : state) t.W->Refresh();
}
BENCHMARK(Refresh_Whole_Window)->Unit(benchmark::kMicrosecond);

void Busy_Wait_One_Round_In_The_Open(benchmark::State& state) {
    for (auto _ : state) Busy_Wait(1, 160 * 50);
}
BENCHMARK(Busy_Wait_One_Round_In_The_Open)->Unit(benchmark::kMicrosecond);

void Flight_Of_A_Typical_Ball(benchmark::State& state) {
    static Watched_Game* game = [] {
        auto* g = new Watched_Game("[Speed]\nValue=50\n[Speed_Offset]\nValue=1\n");
        if (!QTest::qWaitForWindowExposed(g->W.get())) std::fputs("the window never showed\n", stderr);
        return g;
    }();
    double steps = 0;
    for (auto _ : state) {
        if (game->M().Balls_Played >= game->M().Balls_In_Game) game->New_Game();
        game->Shoot();
        state.SetIterationTime(game->W->Flight_Seconds());
        steps += static_cast<double>(game->W->Steps);
    }
    state.counters["steps_per_ball"] = benchmark::Counter(steps, benchmark::Counter::kAvgIterations);
}
BENCHMARK(Flight_Of_A_Typical_Ball)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// A field of capture areas with holes 1 and 2 taken: a ball where their areas meet is
// pushed to and fro between them for ever.
void Flight_Of_A_Trapped_Ball(benchmark::State& state) {
    static Watched_Game* game = [] {
        auto* g = new Watched_Game("[Speed]\nValue=50\n[Speed_Offset]\nValue=1\n");
        if (!QTest::qWaitForWindowExposed(g->W.get())) std::fputs("the window never showed\n", stderr);
        for (auto& z : g->M().Zone_Map.v) z = Zone_Hole;
        g->M().Hole_State(1) = g->M().Hole_State(2) = 1;
        return g;
    }();
    Hoofdvenster& m = game->M();
    double steps = 0;
    for (auto _ : state) {
        game->W->Reset_Watch();
        game->W->Run("Fly_Field", [&m] {
            m.Ball_X = 6250;
            m.Ball_Y = 7550;
            m.Ball_VX = m.Ball_VY = 100;
            Flight f;
            Fly_Field(m, f);
        });
        state.SetIterationTime(game->W->Flight_Seconds());
        steps += static_cast<double>(game->W->Steps);
    }
    state.counters["steps"] = benchmark::Counter(steps, benchmark::Counter::kAvgIterations);
}
BENCHMARK(Flight_Of_A_Trapped_Ball)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
}  // namespace plonk::test

BENCHMARK_MAIN();
