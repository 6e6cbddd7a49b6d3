// The payout analysis: chains of games shared out over the threads, every game in
// its place, and the report over all of them in order.
//
// Each chain of games is played on a fresh machine of its own and each game seeded
// from the run's seed and the game's number, so a game goes the same way whichever
// thread plays its chain: the report is the same for any number of threads.
#include "tools/sim/payout.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "app/file_output.h"
#include "machine/headless_toolkit.h"
#include "playfield/flight_table.h"
#include "tools/sim/bench.h"
#include "tools/sim/payout_player.h"
#include "tools/sim/payout_report.h"
#include "tools/sim/temp_folder.h"

namespace plonk::sim {

namespace {

// The games as the chains come in, taken in order: counted into the summary and
// written as rows at once, so neither waits for the end of the run.
class Game_Sink {
public:
    Game_Sink(Output_File* rows) : rows_(rows) {}

    // The games of chain c; false, with the reason, when the rows could not be written.
    bool Take(long c, std::vector<Game_Record> games, std::string* error) {
        std::lock_guard hold(lock_);
        waiting_[c] = std::move(games);
        std::string text;
        for (auto next = waiting_.begin(); next != waiting_.end() && next->first == next_chain_;
             next = waiting_.erase(next), ++next_chain_)
            for (const Game_Record& r : next->second) {
                tally_.Add(r);
                if (rows_) text += Row_Text(++rows_written_, r);
            }
        return !rows_ || text.empty() || rows_->Write(text, error);
    }
    Payout_Summary Summary() const { return tally_.Summary(); }

private:
    std::mutex lock_;
    Output_File* rows_;
    std::map<long, std::vector<Game_Record>> waiting_;  // chains that came before their turn
    long next_chain_ = 0;
    long rows_written_ = 0;
    Payout_Tally tally_{Games_Per_Chain};
};

// What the threads share: the options, the table of flights, the sink of the games,
// the next chain to play and the first failure.
struct Run {
    const Payout_Options& Options;
    std::string Ini;  // a settings file in a folder of its own; never written
    const Flight_Table& Flights;
    Game_Sink& Sink;
    long Chains = 0;
    std::atomic<long> Next_Chain{0};
    std::mutex Failure_Lock;
    std::string Failure;

    Run(const Payout_Options& o, std::string ini, const Flight_Table& flights, Game_Sink& sink)
        : Options(o), Ini(std::move(ini)), Flights(flights), Sink(sink) {}
    void Fail(const std::string& why) {
        std::lock_guard hold(Failure_Lock);
        if (Failure.empty()) Failure = why;
        Next_Chain = Chains;
    }
};

// A machine on a silent headless toolkit that takes its flights from the table.
struct Seat {
    Player_Toolkit Tk;
    Hoofdvenster M;
    Seat(const std::string& ini, const Flight_Table* flights) : M(Tk, ini) {
        Tk.Check_Pictures = false;
        Tk.Log_Limit = 0;
        Tk.Flights = flights;
    }
};

// Chain c: a fresh machine from its start-up, then the chain's games in order. The
// chances of the shots are kept by the thread, from chain to chain.
void Play_Chain(Run& run, long c, Shot_Odds_Memo& odds) {
    Seat seat(run.Ini, &run.Flights);
    seat.Tk.Odds_Memo = &odds;
    seat.M.Rng.Fix_Seed(Game_Seed(run.Options.Seed, -1 - c));
    seat.M.Form_Load();
    if (!run.Flights.Fits(seat.M)) seat.Tk.Flights = nullptr;
    Take_Seat(seat.M, run.Options);
    const long first = c * Games_Per_Chain;
    const long end = std::min(run.Options.Games, first + Games_Per_Chain);
    std::vector<Game_Record> games;
    games.reserve(static_cast<size_t>(end - first));
    for (long g = first; g < end; ++g) {
        if (seat.M.Ended) throw std::runtime_error("the machine ended during the analysis");
        games.push_back(Play_Game(seat.M, seat.Tk, run.Options, g));
    }
    std::string error;
    if (!run.Sink.Take(c, std::move(games), &error))
        run.Fail("cannot write " + run.Options.Csv + ": " + error);
}

void Work(Run& run) {
    try {
        Shot_Odds_Memo odds;
        for (long c = run.Next_Chain++; c < run.Chains; c = run.Next_Chain++) Play_Chain(run, c, odds);
    } catch (const Endless_Game& e) {
        run.Fail("game " + std::to_string(e.Game + 1) + ": no end after 10000 shots");
    } catch (const std::exception& e) {
        run.Fail(e.what());
    }
}

std::string Policy_Text(const Payout_Options& o) {
    const char* lines[] = {"none", "auto", "tips"};
    std::string extra = o.Extra == Extra_Policy::Never ? "never"
                        : o.Extra == Extra_Policy::Always
                            ? "always"
                            : "up to " + std::to_string(o.Extra_Tries) + " tries";
    // A start speed other than a random one is told.
    const std::string speed = o.Speed == 0  ? ""
                              : o.Speed < 0 ? ", start speed best"
                                            : ", start speed " + std::to_string(o.Speed);
    return "invest " + std::to_string(o.Invest) + ", extra balls " + extra + ", lines " +
           lines[static_cast<int>(o.Lines)] + speed;
}

// A fresh temporary folder, removed with the object; its path empty, with the
// reason in Error, when none could be made.
struct Temp_Folder {
    std::string Error;
    std::string Path = Make_Temp_Folder("plonk-payout-", &Error);
    ~Temp_Folder() {
        std::error_code ec;
        if (!Path.empty()) std::filesystem::remove_all(Path, ec);
    }
};

}  // namespace

int Payout(const Payout_Options& o) {
    Temp_Folder folder;
    if (folder.Path.empty()) {
        std::fprintf(stderr, "plonk-sim: %s\n", folder.Error.c_str());
        return 1;
    }
    // A file of rows that cannot be written is found before the games are played:
    // its first line is written at once.
    Output_File rows;
    std::string error;
    if (!o.Csv.empty() && !(rows.Open(o.Csv, &error) && rows.Write(Rows_Header(), &error))) {
        std::fprintf(stderr, "plonk-sim: cannot write %s: %s\n", o.Csv.c_str(), error.c_str());
        return 1;
    }
    const auto t0 = std::chrono::steady_clock::now();
    // The board every seat plays on, and the table of its flights.
    const std::string ini = folder.Path + "/Plonk.ini";
    Seat board(ini, nullptr);
    board.M.Form_Load();
    const std::unique_ptr<Flight_Table> flights = Flight_Table_Of(board.M);
    Game_Sink sink(o.Csv.empty() ? nullptr : &rows);
    Run run(o, ini, *flights, sink);
    run.Chains = (o.Games + Games_Per_Chain - 1) / Games_Per_Chain;
    std::vector<std::thread> helpers;
    for (int t = 1; t < o.Threads; ++t) helpers.emplace_back(Work, std::ref(run));
    Work(run);
    for (std::thread& t : helpers) t.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!run.Failure.empty()) {
        std::fprintf(stderr, "plonk-sim: %s\n", run.Failure.c_str());
        return 1;
    }
    std::printf("payout of %ld games from seed %llu: %s\n", o.Games, static_cast<unsigned long long>(o.Seed),
                Policy_Text(o).c_str());
    std::fputs(Report_Text(sink.Summary()).c_str(), stdout);
    std::printf("%.3f s, %.0f games/s, %d thread%s\n", seconds, static_cast<double>(o.Games) / seconds,
                o.Threads, o.Threads == 1 ? "" : "s");
    if (!o.Csv.empty() && !rows.Finish(&error)) {
        std::fprintf(stderr, "plonk-sim: cannot write %s: %s\n", o.Csv.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace plonk::sim
