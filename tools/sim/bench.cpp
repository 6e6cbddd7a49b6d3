#include "tools/sim/bench.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "machine/record.h"
#include "playfield/flight.h"
#include "playfield/flight_table.h"
#include "playfield/hole_survey.h"
#include "tools/sim/table_memo.h"
#include "tools/sim/temp_folder.h"

namespace plonk::sim {

namespace {

// A hash over every number of the record, in the record's order, and over what the
// player sees of every control.
struct Signature {
    uint64_t Hash = Fnv_Offset_Basis;
    std::vector<Table_Memo> Tables;  // one for each large table, in the record's order
    void Add(long long v) { Hash = Fnv_Step(Hash, static_cast<uint64_t>(v)); }
    void Add(std::string_view text) {
        Add(static_cast<long long>(text.size()));
        for (const char c : text) Add(static_cast<long long>(static_cast<unsigned char>(c)));
    }

    // The board's tables: the ones large enough to be worth a memo.
    static constexpr int kLarge_Table = 256;

    // Every number and Boolean of the record. Its two texts tell where the program
    // lies and the time of day, not how the game went, and are left out.
    void Add_Record(Hoofdvenster& m) {
        size_t large = 0;
        Visit_Record(m, [&](const auto& f) {
            using E = typename std::remove_cvref_t<decltype(f)>::Element;
            if constexpr (!std::is_same_v<E, std::string>) {
                if (f.Size() >= kLarge_Table) {
                    if (Tables.size() == large) Tables.emplace_back();
                    Hash = Tables[large++].Add(Hash, &f.At(0), static_cast<size_t>(f.Size()));
                    return;
                }
                for (int i = 0; i < f.Size(); ++i) Add(static_cast<long long>(f.At(i)));
            }
        });
    }

    // Every control as it shows: its place, whether it is shown and enabled, its
    // value, caption and tooltip, the picture it shows (by file name, wherever the
    // program lies) and the lines drawn on it.
    void Add_Controls(const Hoofdvenster& m) {
        for (const Control* c : m.All_Controls()) {
            Add(c->Left);
            Add(c->Top);
            Add(c->Visible);
            Add(c->Enabled);
            Add(c->Value);
            Add(c->Caption);
            Add(c->ToolTipText);
            const std::string_view picture = c->Picture;
            Add(picture.substr(picture.find_last_of('/') + 1));
            for (const Drawn_Line& l : c->Lines) {
                Add(l.X1);
                Add(l.Y1);
                Add(l.X2);
                Add(l.Y2);
                Add(l.Color);
            }
        }
    }
};

// A game whose balls never come to rest.
struct Stuck_Game {};

struct Totals {
    long Games = 0;
    long Balls = 0;
    long Extra_Balls = 0;
    int Range_Low = 32767, Range_High = -32768;  // the feature-draw range seen after each game start
    double Signing_Seconds = 0;                  // spent hashing the record, not playing
};

// Plays whole games on one machine: insert, invest a few times, shoot every ball
// (the automatic scan and the tips run after each), try for extra balls, and on to
// the next game.
void Play(Hoofdvenster& m, int games, Signature& sig, Totals& totals) {
    for (int g = 0; g < games && !m.Ended; ++g) {
        if (m.Main_Score < 20) m.Knop_P_Click();
        const int invests = 1 + static_cast<int>(m.Rng.Rnd() * 12);
        m.Knop_F1_MouseDown(1, 0, 0, 0);
        for (int i = 1; i < invests; ++i) m.Timer2_Timer();
        m.Knop_F1_MouseUp(1, 0, 0, 0);
        totals.Range_Low = std::min<int>(totals.Range_Low, m.Invest_Range);
        totals.Range_High = std::max<int>(totals.Range_High, m.Invest_Range);
        for (int shots = 0; m.Balls_Played < m.Balls_In_Game; ++shots) {
            if (shots == 10000) throw Stuck_Game{};
            // The player picks a start speed for every shot, as one would after a drain.
            m.Start_Speed = Hoofdvenster::Random_Start_Speed(m.Rng);
            const Integer before = m.Balls_Played;
            m.Knop_Bal_Click();
            totals.Balls += m.Balls_Played > before ? 1 : 0;
            if (m.Balls_Played >= 5 && m.Balls_Played == m.Balls_In_Game && m.Balls_In_Game < 10) {
                const Integer had = m.Balls_In_Game;
                m.Knop_F2_MouseDown(1, 0, 0, 0);
                for (int i = 0; i < 4 && m.Balls_In_Game == had; ++i) m.Timer2_Timer();
                m.Knop_F2_MouseUp(1, 0, 0, 0);
                totals.Extra_Balls += m.Balls_In_Game - had;
            }
        }
        ++totals.Games;
        const auto signing = std::chrono::steady_clock::now();
        sig.Add_Record(m);
        sig.Add_Controls(m);
        totals.Signing_Seconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - signing).count();
    }
}

}  // namespace

std::unique_ptr<Flight_Table> Flight_Table_Of(const Playfield_Part& m) {
    std::string why;
    auto table = Read_Or_Make_Flight_Table(m.App_Folder + Flight_Table_File, m, 2, &why);
    if (!why.empty())
        std::fprintf(stderr, "plonk-sim: %s%s not taken (%s): every flight was flown first\n",
                     m.App_Folder.c_str(), Flight_Table_File, why.c_str());
    return table;
}

int Bench(int machines, int games) {
    Signature sig;
    Totals totals;
    std::string error;
    const std::string made = Make_Temp_Folder("plonk-bench-", &error);
    if (made.empty()) {
        std::fprintf(stderr, "plonk-sim: %s\n", error.c_str());
        return 2;
    }
    // Every machine plays on the same board, so they share its table of flights, and
    // from the same folder, so they share what its sound files are.
    std::unique_ptr<Flight_Table> flights;
    Sound_Checks sounds;
    const auto t0 = std::chrono::steady_clock::now();
    for (int seed = 1; seed <= machines; ++seed) {
        Headless_Toolkit tk;
        tk.Check_Pictures = false;
        tk.Log_Limit = 0;
        tk.Checked_Sounds = &sounds;
        Hoofdvenster m(tk, made + "/Plonk.ini");
        m.Rng.Fix_Seed(static_cast<uint64_t>(seed));
        try {
            m.Form_Load();
            if (!flights) flights = Flight_Table_Of(m);
            if (flights->Fits(m)) tk.Flights = flights.get();
            if (!m.Ended) Play(m, games, sig, totals);
            if (m.Ended) {
                std::fprintf(stderr, "plonk-sim: the machine ended during the bench\n");
                return 2;
            }
        } catch (const Stuck_Game&) {
            std::fprintf(stderr, "plonk-sim: machine %d: 10000 shots without finishing a game\n", seed);
            return 2;
        }
    }
    // The speed is the machine's: the time spent on the signature is left out.
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() - totals.Signing_Seconds;
    std::error_code ec;
    std::filesystem::remove_all(made, ec);
    std::printf("signature %016llx\n", static_cast<unsigned long long>(sig.Hash));
    std::printf("games %ld, balls %ld, extra balls %ld, feature-draw range %d..%d\n", totals.Games,
                totals.Balls, totals.Extra_Balls, totals.Range_Low, totals.Range_High);
    std::printf("%.3f s, %.0f games/s, %.0f balls/s\n", seconds, totals.Games / seconds,
                totals.Balls / seconds);
    return 0;
}

int Holes(long balls, uint64_t seed, std::span<const int> taken, double kick) {
    Headless_Toolkit tk;
    tk.Space_At_Random(kick, seed);
    Hoofdvenster m(tk, Temp_Base() + "/plonk-holes.ini");
    Load_Board(m);
    const auto t0 = std::chrono::steady_clock::now();
    const Hole_Survey s = Survey_Holes(m, balls, seed, taken);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::fputs(Hole_Table(s).c_str(), stdout);
    std::printf("without progress: %ld steps most, given up after %ld\n", s.Max_Stall, Stall_Step_Limit);
    std::printf("%.0f balls per second\n", static_cast<double>(balls) / seconds);
    return s.Lost == 0 ? 0 : 1;
}

}  // namespace plonk::sim
