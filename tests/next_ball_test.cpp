// Where the next ball goes and what it is worth: the chances from the table of every
// flight against every shot stepped through, and the worth against the tips worked
// out plainly.
#include "features/next_ball.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <sstream>

#include "support/game_setup.h"
#include "tools/reference/tips_reference.h"
#include "tools/sim/bench.h"
#include "tools/sim/console.h"

namespace plonk::test {
namespace {

struct Advice : ::testing::Test {
    Machine m;
    std::unique_ptr<Flight_Table> flights;
    void SetUp() override {
        m.Tk.Check_Pictures = false;
        m.Tk.Log_Limit = 0;
        m.Load();
        flights = sim::Flight_Table_Of(*m.M);
    }
    Hoofdvenster& H() { return *m.M; }
};

uint32_t Holes(std::initializer_list<int> holes) {
    uint32_t taken = 0;
    for (int n : holes) taken |= uint32_t{1} << n;
    return taken;
}

TEST_F(Advice, ChancesAreThoseOfEveryShotSteppedThrough) {
    uint32_t odd = 0, all_but_one = 0;
    for (int n = 1; n <= 25; n += 2) odd |= uint32_t{1} << n;
    for (int n = 1; n <= 25; ++n) all_but_one |= n == 13 ? 0u : uint32_t{1} << n;
    const struct {
        const char* name;
        uint32_t taken;
    } cases[] = {{"none", 0}, {"hole 7", Holes({7})}, {"the odd holes", odd}, {"all but 13", all_but_one}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Shot_Odds odds = Odds_Of_Shots(*flights, c.taken);
        for (int n = 1; n <= 25; ++n) H().Hole_State(n) = (c.taken >> n) & 1u;
        for (const Speed_Odds& o : odds) {
            Speed_Odds stepped;
            for (int fraction = 0; fraction <= 100; ++fraction)
                for (int extra = 0; extra <= 1; ++extra) {
                    H().Ball_X = 27500 + fraction;
                    H().Ball_Y = 1500;
                    H().Ball_VX = static_cast<Integer>(100 - o.Speed + extra);
                    H().Ball_VY = 100;
                    Flight f;
                    if (Fly(H(), f) == Flight_End::Hole)
                        ++stepped.Hole[static_cast<size_t>(f.Hole)];
                    else
                        ++stepped.Drain;
                }
            ASSERT_EQ(o.Hole, stepped.Hole) << o.Speed;
            ASSERT_EQ(o.Drain, stepped.Drain) << o.Speed;
            int shots = o.Drain;
            for (int n = 1; n <= 25; ++n) shots += o.Hole[n];
            EXPECT_EQ(shots, Shots_Per_Speed) << o.Speed;
        }
    }
}

// The memo gives what the table gives, whether it works the odds out (from the last
// pattern worked out or from none taken), finds them in either place of their pair,
// or puts them where others were.
TEST_F(Advice, TheOddsMemoGivesTheTablesOdds) {
    std::vector<uint32_t> patterns;  // three patterns of taken holes that share a pair of places
    for (uint32_t taken = 2; patterns.size() < 3; taken += 2)
        if (Shot_Odds_Memo::Pair_Of(taken) == Shot_Odds_Memo::Pair_Of(2)) patterns.push_back(taken);
    std::vector<uint32_t> asked;
    for (const int k : {0, 1, 0, 1, 2, 1, 0, 2, 0}) asked.push_back(patterns[static_cast<size_t>(k)]);
    // Games of five balls: the holes fill one by one, then all are free again.
    std::mt19937 g(5);
    for (int game = 0; game < 6; ++game)
        for (uint32_t taken = 0; std::popcount(taken) < 5; taken |= uint32_t{1} << (1 + g() % 25))
            asked.push_back(taken);
    Shot_Odds_Memo memo;
    for (size_t k = 0; k < asked.size(); ++k) {
        const Shot_Odds kept = memo.Of(*flights, asked[k]), odds = Odds_Of_Shots(*flights, asked[k]);
        for (size_t i = 0; i < odds.size(); ++i) {
            ASSERT_EQ(kept[i].Speed, odds[i].Speed) << k;
            ASSERT_EQ(kept[i].Hole, odds[i].Hole) << k;
            ASSERT_EQ(kept[i].Drain, odds[i].Drain) << k;
        }
    }
}

TEST_F(Advice, WorthIsTheChancesTimesTheTipsHoleScores) {
    std::mt19937 g(31);
    for (int state = 0; state < 60; ++state) {
        Game_Under_Way(H(), 1 + static_cast<int>(g() % 9));
        H().Balls_Played = static_cast<Integer>(g() % 6);
        H().Fifth_Ball = g() % 2;
        for (int n = 1; n <= 25; ++n) H().Hole_State(n) = g() % 4 == 0;
        H().Line_Level = static_cast<Integer>(g() % 11);
        H().Check1.Value = static_cast<int>(g() % 2);
        H().Start_Speed = static_cast<Integer>(38 + g() % 63);
        const int tip_line_set = H().Tip_Line_Set;
        const bool marker = H().Tip(0).Visible;
        const Next_Ball n = Next_Ball_Advice(H(), *flights);
        // The tips' markers and line set stay as they were, ticked or not.
        EXPECT_EQ(H().Tip_Line_Set, tip_line_set);
        EXPECT_EQ(H().Tip(0).Visible, marker);
        // The plain tips, worked out with the tips ticked, score the holes alike.
        H().Check1.Value = 1;
        std::array<Integer, 26> scores{};
        reference::Reference_Set_Tip(H(), &scores);
        ASSERT_EQ(n.Hole_Value, scores) << state;
        double best = -1;
        for (const Speed_Odds& o : n.Odds) {
            double sum = 0;
            for (int hole = 1; hole <= 25; ++hole) sum += o.Hole[hole] * static_cast<double>(scores[hole]);
            const double expected = o.Landed() == 0 ? 0 : sum / o.Landed();
            EXPECT_NEAR(n.Expected(o.Speed), expected, 1e-9) << o.Speed;
            best = std::max(best, expected);
        }
        EXPECT_NEAR(n.Expected(n.Best_Speed), best, 1e-9);
    }
}

TEST_F(Advice, AmongEqualSpeedsTheNearestIsBest) {
    // Nothing to win: every speed is worth 0, so the speed now is the best.
    for (const int now : {38, 70, 100}) {
        H().Start_Speed = static_cast<Integer>(now);
        const Next_Ball n = Next_Ball_Advice(H(), *flights);
        EXPECT_EQ(n.Best_Speed, now);
        EXPECT_EQ(Advice_Words(n, now), "Best start speed " + std::to_string(now) + ": 0 points expected");
    }
}

TEST_F(Advice, OddsTableHasALinePerSpeedThatAddsUpToAHundred) {
    Game_Under_Way(H(), 5);
    for (int n : {3, 8, 12, 17, 21}) H().Hole_State(n) = 1;
    const Next_Ball n = Next_Ball_Advice(H(), *flights);
    std::istringstream text(sim::Odds_Table_Text(n));
    std::string line;
    int speed = 38, best_lines = 0;
    while (std::getline(text, line)) {
        std::istringstream words(line);
        std::string word, drain, holes, expected;
        int at = 0;
        words >> at >> drain;
        EXPECT_EQ(at, speed) << line;
        EXPECT_EQ(drain, "drain");
        long hundredths = 0;
        for (int i = 0; i < 27 && words >> word; ++i) {
            if (word == "holes") continue;
            const size_t dot = word.find('.');
            ASSERT_NE(dot, std::string::npos) << line;
            hundredths += std::stol(word.substr(0, dot)) * 100 + std::stol(word.substr(dot + 1));
        }
        EXPECT_EQ(hundredths, 10000) << line;
        words >> expected >> word;
        EXPECT_EQ(expected, "expected") << line;
        const bool starred = line.back() == '*';
        best_lines += starred;
        EXPECT_EQ(starred, at == n.Best_Speed) << line;
        ++speed;
    }
    EXPECT_EQ(speed, 101);
    EXPECT_EQ(best_lines, 1);
}

}  // namespace
}  // namespace plonk::test
