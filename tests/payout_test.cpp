// The payout analysis: its confidence interval, and whole runs of plonk-sim payout
// that must not depend on the number of threads and must follow the policy.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/machine.h"
#include "tools/sim/payout_report.h"
#include "tools/sim/table_memo.h"

namespace plonk::test {
namespace {

using sim::Ratio_Of_Sums;

// The signature's memo gives what hashing step by step gives, for narrow, wide and
// negative values, for every hash met again and after the table changed.
TEST(Table_Memo, HashesAsStepByStepWhateverTheValuesAndTheirChanges) {
    const std::vector<std::vector<int16_t>> tables = {
        {0, 0, 0, 0}, {7, 0, 3, 1, 5}, {359, 12, 0, 201}, {1023, 1, 2},
        {1024, 5},    {-1, 4, 9},      {-32768, 32767},
    };
    sim::Table_Memo memo;
    uint64_t h = Fnv_Offset_Basis;
    for (int round = 0; round < 3; ++round)
        for (std::vector<int16_t> t : tables) {
            for (int game = 0; game < 40; ++game) {
                if (game == 20 && t.size() > 1) t[1] = static_cast<int16_t>(t[1] + 1);  // the table changed
                const uint64_t got = memo.Add(h, t.data(), t.size());
                EXPECT_EQ(got, sim::Table_Memo::Hash(h, t.data(), t.size())) << t[0] << " game " << game;
                h = (h ^ static_cast<uint64_t>(game % 3)) * Fnv_Prime;  // a low part met again
            }
        }
}

TEST(Payout_Ratio, IsTheRatioOfSumsWithItsDeltaMethodHalfWidth) {
    const struct {
        const char* name;
        std::vector<double> won, spent;
        double ratio, half_width;
    } cases[] = {
        {"every unit at the same ratio", {2, 4, 6}, {1, 2, 3}, 2, 0},
        // Residuals 1, -1 around R = 1; variance 2 / 1 / 2 / 2^2 = 0.25; t(1) = 12.706.
        {"two units", {3, 1}, {2, 2}, 1, 12.706 * 0.5},
        // Residuals 1, -1, 1, -1 around R = 1; variance 4 / 3 / 4 / 1 = 1/3; t(3) = 3.182.
        {"four units", {2, 0, 2, 0}, {1, 1, 1, 1}, 1, 3.182 * 0.5773502692},
        {"one unit has no interval", {5}, {4}, 1.25, 0},
        {"nothing spent", {0, 0}, {0, 0}, 0, 0},
    };
    for (const auto& c : cases) {
        const sim::Ratio r = Ratio_Of_Sums(c.won, c.spent);
        EXPECT_NEAR(r.Value, c.ratio, 1e-12) << c.name;
        EXPECT_NEAR(r.Half_Width, c.half_width, 1e-6) << c.name;
    }
    EXPECT_NEAR(sim::Student_95(1000), 1.962, 0.001);
}

// plonk-sim payout with these options: its output, and its rows when asked for.
struct Payout_Run {
    std::string Out;
    std::vector<std::vector<long>> Rows;
};

Payout_Run Payout(const std::string& options) {
    Temp_Folder folder;
    const std::string csv = folder.File("games.csv");
    Payout_Run r;
    FILE* p = ::popen((std::string(PLONK_SIM) + " payout " + options + " --csv " + csv).c_str(), "r");
    char buf[4096];
    for (size_t n; p && (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.Out.append(buf, n);
    EXPECT_TRUE(p && WEXITSTATUS(::pclose(p)) == 0) << options;
    std::ifstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<long> row;
        std::stringstream fields(line);
        for (std::string f; std::getline(fields, f, ',');) row.push_back(std::stol(f));
        r.Rows.push_back(row);
    }
    // The last line, the speed, is the one that may differ from run to run.
    if (r.Out.size() > 1) r.Out.erase(r.Out.rfind('\n', r.Out.size() - 2) + 1);
    return r;
}

TEST(Payout, GivesTheSameGamesForAnyNumberOfThreads) {
    const Payout_Run one =
        Payout("--games 1500 --seed 11 --invest 3 --extra-balls 4 --lines tips --threads 1");
    const Payout_Run two =
        Payout("--games 1500 --seed 11 --invest 3 --extra-balls 4 --lines tips --threads 2");
    EXPECT_EQ(one.Out, two.Out);
    EXPECT_EQ(one.Rows, two.Rows);
    EXPECT_EQ(one.Rows.size(), 1500u);
    EXPECT_NE(one.Rows, Payout("--games 1500 --seed 12 --invest 3 --extra-balls 4 --lines tips").Rows);
}

TEST(Payout, EveryGameFollowsThePolicy) {
    const struct {
        const char* options;
        int invest, tries;  // tries -1: as many as there are balls to win
    } cases[] = {
        {"--invest 0 --extra-balls never --lines none", 0, 0},
        {"--invest 6 --extra-balls 3 --lines auto", 6, 3},
        {"--invest 2 --extra-balls always --lines tips", 2, -1},
    };
    for (const auto& c : cases) {
        const Payout_Run r = Payout(std::string("--games 800 --seed 5 ") + c.options);
        ASSERT_EQ(r.Rows.size(), 800u) << c.options;
        long won = 0, spent = 0;
        for (const std::vector<long>& g : r.Rows) {
            // game, spent, won, net, balls, extra_asked, star_start, then the draws.
            long draws = 0;
            for (size_t k = 7; k < g.size(); ++k) draws += g[k];
            ASSERT_EQ(g[3], g[2] - g[1]) << c.options;
            ASSERT_LE(draws, c.invest) << c.options;
            ASSERT_EQ(g[1], 1 + draws + g[5]) << c.options << " game " << g[0];
            ASSERT_TRUE(g[4] >= 5 && g[4] <= 10) << c.options;
            if (c.tries >= 0) {
                ASSERT_LE(g[5], c.tries) << c.options;
            } else {
                ASSERT_EQ(g[4], 10) << c.options;
            }
            won += g[2];
            spent += g[1];
        }
        char expected[64];
        std::snprintf(expected, sizeof expected, "return to player %.2f%%", 100.0 * won / spent);
        EXPECT_NE(r.Out.find(expected), std::string::npos) << r.Out;
    }
}

}  // namespace
}  // namespace plonk::test
