// plonk-bench-flight: the speed of the ball's flight without waits.
//   plonk-bench-flight [benchmark options]   flight steps per second over 10,000 balls, the
//                                            whole flight table made, the odds of a ball
//   plonk-bench-flight holes [N] [SEED]      where N balls end, as a table
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "features/next_ball.h"
#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "playfield/flight_table.h"
#include "playfield/hole_survey.h"

namespace {

std::string Settings_File() { return (std::filesystem::temp_directory_path() / "plonk-bench.ini").string(); }

void Shoot_10000_Balls(benchmark::State& state) {
    plonk::Headless_Toolkit tk;
    plonk::Hoofdvenster m(tk, Settings_File());
    plonk::Load_Board(m);
    long long steps = 0;
    uint64_t seed = 1;
    for (auto _ : state) {
        const plonk::Hole_Survey s = plonk::Survey_Holes(m, 10000, seed++);
        steps += s.Steps;
        benchmark::DoNotOptimize(s.Holes.data());
    }
    state.counters["steps"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    state.counters["balls"] = benchmark::Counter(10000.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(Shoot_10000_Balls)->Unit(benchmark::kMillisecond);

// Flying every flight of the board once, on one thread, to make the complete table.
void Make_The_Whole_Table(benchmark::State& state) {
    plonk::Headless_Toolkit tk;
    plonk::Hoofdvenster m(tk, Settings_File());
    plonk::Load_Board(m);
    for (auto _ : state) {
        const auto table = plonk::Flight_Table::Make(m, 1);
        state.counters["flights"] = static_cast<double>(table->Flights());
        state.counters["MiB"] = static_cast<double>(table->Bytes()) / (1 << 20);
    }
}
BENCHMARK(Make_The_Whole_Table)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same kind of shots taken from the complete table of flights.
void Take_10000_Balls_From_The_Table(benchmark::State& state) {
    plonk::Headless_Toolkit tk;
    tk.Log_Limit = 0;
    plonk::Hoofdvenster m(tk, Settings_File());
    plonk::Load_Board(m);
    const auto table = plonk::Flight_Table::Make(m, 2);
    tk.Flights = table.get();
    auto round = [&m] {
        m.Rng.Fix_Seed(1);
        for (int b = 0; b < 10000; ++b) {
            m.Start_Speed = static_cast<plonk::Integer>(plonk::Hoofdvenster::Start_Speed_Min +
                                                        b % plonk::Hoofdvenster::Start_Speed_Count);
            plonk::Start_Ball(m);
            plonk::Flight f;
            benchmark::DoNotOptimize(plonk::Fly_Shot(m, f));
        }
    };
    for (auto _ : state) round();
    state.counters["balls"] = benchmark::Counter(10000.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(Take_10000_Balls_From_The_Table)->Unit(benchmark::kMillisecond);

// The odds of the next ball at all 63 start speeds with what each is worth, after a
// ball of a game under way: the chances from the table, the tips' hole scores.
void Odds_Of_Every_Start_Speed(benchmark::State& state) {
    plonk::Headless_Toolkit tk;
    tk.Log_Limit = 0;
    plonk::Hoofdvenster m(tk, Settings_File());
    plonk::Load_Board(m);
    const auto table = plonk::Flight_Table::Make(m, 2);
    m.Yellow_Level = m.Red_Level = m.White_Level = m.Green_Level = 9;
    m.Line_Level = 10;
    m.Fifth_Ball = true;
    for (int hole : {3, 9, 14, 20}) m.Hole_State(hole) = 1;
    m.Balls_Played = 4;
    for (auto _ : state) benchmark::DoNotOptimize(plonk::Next_Ball_Advice(m, *table).Best_Speed);
}
BENCHMARK(Odds_Of_Every_Start_Speed)->Unit(benchmark::kMicrosecond);

int Holes(long balls, uint64_t seed) {
    plonk::Headless_Toolkit tk;
    plonk::Hoofdvenster m(tk, Settings_File());
    plonk::Load_Board(m);
    const auto t0 = std::chrono::steady_clock::now();
    const plonk::Hole_Survey s = plonk::Survey_Holes(m, balls, seed);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::fputs(plonk::Hole_Table(s).c_str(), stdout);
    std::printf("%.0f balls per second\n", static_cast<double>(balls) / seconds);
    return s.Lost == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "holes") == 0)
        return Holes(argc >= 3 ? std::atol(argv[2]) : 100000,
                     argc >= 4 ? std::strtoull(argv[3], nullptr, 10) : 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
