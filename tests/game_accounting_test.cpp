// Whole games on the machine: every point is counted once, whatever happens.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/machine.h"

namespace plonk::test {
namespace {

// The credits as the machine's reports tell them: points inserted, less points
// spent, plus points paid.
long long Credits_Reported(const Headless_Toolkit& tk) {
    long long credits = 0;
    for (const Game_Event& e : tk.Events) {
        if (e.Kind == Game_Event_Kind::Points_Inserted || e.Kind == Game_Event_Kind::Payment)
            credits += e.Points;
        if (e.Kind == Game_Event_Kind::Point_Spent) --credits;
    }
    return credits;
}

int Reported(const Headless_Toolkit& tk, Game_Event_Kind kind) {
    return static_cast<int>(std::count_if(tk.Events.begin(), tk.Events.end(),
                                          [kind](const Game_Event& e) { return e.Kind == kind; }));
}

// Credits are what was inserted plus the balance, after every action of a game,
// for many games from many seeds (no counter comes near its cap here); and the
// machine's reports account for every point of them.
TEST(GameAccounting, CreditsAreStakePlusBalanceAfterEveryAction) {
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        Machine m;
        m.Tk.Check_Pictures = false;
        m->Rng.Fix_Seed(seed);
        m.Load();
        auto check = [&](const char* what) {
            ASSERT_EQ(m->Main_Score, m->Stake_Score + m->Saldo_Score) << what << ", seed " << seed;
            ASSERT_EQ(m->Main_Score, Credits_Reported(m.Tk)) << what << ", seed " << seed;
        };
        for (int game = 0; game < 6; ++game) {
            if (m->Main_Score < 30) m->Knop_P_Click();
            check("insert");
            m->Knop_F1_MouseDown(1, 0, 0, 0);
            for (int i = 0; i < static_cast<int>(seed % 7); ++i) m->Timer2_Timer();
            m->Knop_F1_MouseUp(1, 0, 0, 0);
            check("invest");
            EXPECT_FALSE(m->Game_Over);
            EXPECT_EQ(m->Balls_In_Game, 5);
            for (int shot = 0; shot < 40 && m->Balls_Played < m->Balls_In_Game; ++shot) {
                m->Knop_Bal_Click();
                check("ball");
                if (m->Balls_Played == m->Balls_In_Game && m->Balls_In_Game < 7) {
                    m->Request_Extra_Ball();
                    check("extra ball");
                }
            }
            EXPECT_EQ(m->Balls_Played, m->Balls_In_Game) << "every ball of the game ends";
            EXPECT_TRUE(m->Game_Over);
            EXPECT_EQ(Reported(m.Tk, Game_Event_Kind::Game_Started), game + 1);
            EXPECT_GE(Reported(m.Tk, Game_Event_Kind::Game_Over), game + 1);
            m->Knop_S_Click();
            check("scan");
            EXPECT_GE(m->Invest_Range, 7);
            EXPECT_LE(m->Invest_Range, 23);
        }
    }
}

}  // namespace
}  // namespace plonk::test
