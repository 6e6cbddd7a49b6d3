// What a flight step costs the window: painting the moved ball, a full refresh, and
// the wait itself. Run under a real X server for figures that match play:
//   xvfb-run -a build/bin/plonk_window_bench
#include <benchmark/benchmark.h>

#include <QTest>
#include <cstdio>

#include "app/qt/busy_wait.h"
#include "app/qt/screen_widget.h"
#include "window/window_harness.h"

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

}  // namespace
}  // namespace plonk::test

BENCHMARK_MAIN();
