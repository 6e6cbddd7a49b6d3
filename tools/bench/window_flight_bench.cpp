// What a flight costs the window: painting the moved ball, a full refresh, the
// length of whole flights, the share of a core they take, and a count-up. It runs on
// the X display when there is one (the xcb platform, as the game does), else on the
// offscreen platform, and tells which in its context ("platform"). Run it under a
// real X server for figures that match play:
//   xvfb-run -a build/bin/plonk_window_bench
// The flight of a typical ball (start speed 70, ball speed 50, offset 1) should
// last one to four seconds:
//   xvfb-run -a build/bin/plonk_window_bench --benchmark_filter=Typical
// A ball held where it cannot leave holds the window for less than two seconds at
// the same speed before it is given up:
//   xvfb-run -a build/bin/plonk_window_bench --benchmark_filter=Trapped
// The share of one core the program uses while twenty balls fly at the default
// speed (50, offset 1), from its own CPU time over the wall time of the flights:
//   xvfb-run -a build/bin/plonk_window_bench --benchmark_filter=Core_Share
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/step_pacer.h"
#include "playfield/flight.h"
#include "tools/window_driver/flight_watch.h"
#include "tools/window_driver/window_harness.h"
#include "window/display_setup.h"
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

// Painting the ball at a new place, as the flight does once a frame, with the face
// shown 1, 2 or 3 times as large.
void Paint_Of_The_Moved_Ball(benchmark::State& state) {
    Window_Under_Test& t = Shown_Window();
    t.W->Set_Zoom(static_cast<int>(state.range(0)));
    Control& ball = t.M().Image_Bal(0);
    int step = 0;
    for (auto _ : state) {
        ball.Left = 20 + (step % 280);
        ball.Top = 40 + (step / 280) % 400;
        ++step;
        t.W->Screen()->Repaint_Changes();
    }
    t.W->Set_Zoom(1);
}
BENCHMARK(Paint_Of_The_Moved_Ball)->Unit(benchmark::kMicrosecond)->DenseRange(1, 3);

void Refresh_Whole_Window(benchmark::State& state) {
    Window_Under_Test& t = Shown_Window();
    for (auto _ : state) t.W->Refresh();
}
BENCHMARK(Refresh_Whole_Window)->Unit(benchmark::kMicrosecond);

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

void Core_Share_Of_Twenty_Flights(benchmark::State& state) {
    Watched_Game game("[Speed]\nValue=50\n[Speed_Offset]\nValue=1\n");
    if (!QTest::qWaitForWindowExposed(game.W.get())) std::fputs("the window never showed\n", stderr);
    for (auto _ : state) {
        // From each ball's first step to its last: the scan and tips after it are not
        // part of the flight.
        double cpu = 0, wall = 0;
        for (int ball = 0; ball < 20; ++ball) {
            if (game.M().Balls_Played >= game.M().Balls_In_Game) game.New_Game();
            game.Shoot();
            cpu += game.W->Flight_Cpu_Seconds();
            wall += game.W->Flight_Seconds();
        }
        state.SetIterationTime(wall);
        state.counters["core_percent"] = 100.0 * cpu / wall;
    }
}
BENCHMARK(Core_Share_Of_Twenty_Flights)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

// A win of a hundred points counted onto the credits, a step a point, each painted
// and heard, and the share of one core it takes.
void Count_Up_Of_A_Win(benchmark::State& state) {
    Watched_Game game("[Speed]\nValue=50\n[Speed_Offset]\nValue=1\n");
    if (!QTest::qWaitForWindowExposed(game.W.get())) std::fputs("the window never showed\n", stderr);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpu = std::clock();
        game.W->Run("Update_Score", [&game] {
            Integer win = 100;
            game.M().Update_Score(win);
        });
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(wall);
        state.counters["core_percent"] =
            100.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC / wall;
    }
}
BENCHMARK(Count_Up_Of_A_Win)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace plonk::test

int main(int argc, char** argv) {
    // The game's own platform where there is a display; the application, made by the
    // window's harness, shows the window as the game does.
    plonk::Prefer_X11();
    plonk::test::App();
    benchmark::AddCustomContext("platform", QGuiApplication::platformName().toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
