// The end of a game: what the machine tells when the balls are played (what the card
// still holds, what an extra ball costs), and what a close between games keeps.
#include <gtest/gtest.h>

#include <random>

#include "features/prices.h"
#include "features/zones.h"
#include "machine/event_text.h"
#include "support/game_setup.h"

namespace plonk::test {
namespace {

using K = Game_Event_Kind;

// The last event of that kind the machine reported; a default event when none.
Game_Event Last_Reported(const Headless_Toolkit& tk, K kind) {
    for (auto e = tk.Events.rbegin(); e != tk.Events.rend(); ++e)
        if (e->Kind == kind) return *e;
    return {};
}

// A finished game at these levels: its balls played, automatic scanning off, the
// yellow row of three on line A lit and not paid (line A at rest: holes 5, 14, 8).
void Finished_Card(Hoofdvenster& h, int level = 1) {
    Game_Under_Way(h, level);
    h.Check2.Value = 0;
    h.Balls_Played = 5;
    h.Game_Over = true;
    h.Invest_Open = false;
    Light_Cells(h, {{0, 0}, {0, 1}, {0, 2}});
}

// A random card between games or before a scan: lit holes, line positions, levels,
// paid marks, patterns, the green double and the bonuses.
void Shuffle_Card(Hoofdvenster& h, std::mt19937& g) {
    auto chance = [&](int percent) { return static_cast<int>(g() % 100) < percent; };
    h.Balls_Played = To_Integer(3 + g() % 8);
    const int lit = static_cast<int>(30 + g() % 60);
    for (int hole = 1; hole <= 25; ++hole) h.Hole_State(hole) = chance(lit) ? 1 : 0;
    for (int l = 0; l < 5; ++l) h.Line_Pos(l) = To_Integer(g() % 3);
    for (Integer* level : {&h.Yellow_Level, &h.Red_Level, &h.White_Level, &h.Green_Level})
        *level = To_Integer(chance(30) ? 9 : 1 + g() % 9);
    for (bool* mark : {&h.Yellow_Got3, &h.Red_Got3, &h.White_Got3, &h.Green_Got3, &h.Double_Got3,
                       &h.Main_Bonus_Paid, &h.Extra_Bonus_Paid, &h.Green_Double_Used})
        *mark = chance(30);
    h.Yellow_Got4 = h.Yellow_Got3 && chance(40);
    h.Green_Got4 = h.Green_Got3 && chance(40);
    h.Corners_Feature = chance(30);
    h.Four_Stars_Feature = !h.Corners_Feature && chance(40);
    h.Green_Double_Active = chance(40);
    h.Flags_Count = To_Integer(g() % 5);
    h.Main_Bonus = static_cast<Long>(1000 + g() % 5000);
    h.Extra_Bonus = static_cast<Long>(1000 + g() % 5000);
}

TEST(GameEnd, WhatTheCardStillHoldsIsWhatTheNextScanPays) {
    Machine m;
    m.Tk.Check_Pictures = false;
    m.Load();
    std::mt19937 g(19);
    int paying = 0;
    for (int n = 0; n < 3000; ++n) {
        Shuffle_Card(*m.M, g);
        m->Main_Score = 1000;
        const Long before = m->Main_Score;
        const long long holds = Scan_Would_Pay(*m.M);
        ASSERT_EQ(m->Main_Score, before) << "state " << n;
        m->Knop_S_Click();
        ASSERT_EQ(m->Main_Score - before, holds) << "state " << n;
        ASSERT_EQ(Scan_Would_Pay(*m.M), 0) << "state " << n;
        paying += holds > 0;
    }
    EXPECT_GT(paying, 150);
}

TEST(GameEnd, TheEndOfTheBallsTellsWhatIsLeftToCollectAndWhetherAnExtraBallCanBeWon) {
    const struct {
        const char* what;
        int played, balls;
        bool row;  // the yellow row is lit and unpaid
        int odds;
        long long unpaid;
    } cases[] = {
        {"five balls, a row left", 5, 5, true, Extra_Ball_One_In(4, 5), 4},
        {"five balls, nothing left", 5, 5, false, Extra_Ball_One_In(4, 5), 0},
        {"seven of seven balls", 7, 7, true, Extra_Ball_One_In(4, 7), 4},
        {"ten balls: no more to win", 10, 10, true, 0, 4},
    };
    for (const auto& c : cases) {
        Machine m;
        m.Tk.Check_Pictures = false;
        m.Load();
        Finished_Card(*m.M);
        m->Balls_Played = To_Integer(c.played);
        m->Balls_In_Game = To_Integer(c.balls);
        if (!c.row) m->Hole_State(5) = 0;
        m->Game_Won = 12;
        m->Game_Spent = 3;
        const Game_Event e = m->Game_Over_Event();
        EXPECT_EQ(e.Kind, K::Game_Over) << c.what;
        EXPECT_EQ(e.Count, c.played) << c.what;
        EXPECT_EQ(e.Odds, c.odds) << c.what;
        EXPECT_EQ(e.Unpaid, c.unpaid) << c.what;
        EXPECT_EQ(e.Points, 12) << c.what;
        EXPECT_EQ(e.Spent, 3) << c.what;
    }
}

TEST(GameEnd, TheLastBallReportsTheEndWithWhatTheCardHolds) {
    // A whole game with automatic scanning off: after its last ball the report holds
    // what the next invest then collects (seeds 2 and 3 leave a row to collect).
    int unpaid_games = 0;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        Machine m;
        m.Tk.Check_Pictures = false;
        m->Rng.Fix_Seed(seed);
        m.Load();
        m->Check2.Value = 0;
        m->Knop_P_Click();
        m->Invest_Points();
        while (!m->Game_Over) m->Knop_Bal_Click();
        const Game_Event over = Last_Reported(m.Tk, K::Game_Over);
        EXPECT_EQ(over.Count, 5) << seed;
        EXPECT_EQ(over.Odds, Extra_Ball_One_In(4, 5)) << seed;
        const Long before = m->Main_Score;
        m->Invest_Points();
        EXPECT_EQ(m->Main_Score - before + 1, over.Unpaid) << seed;
        unpaid_games += over.Unpaid > 0;
    }
    EXPECT_GE(unpaid_games, 2);
}

TEST(GameEnd, TheEndAndARefusedCloseInWords) {
    const struct {
        Game_Event e;
        std::string paid, text;
    } cases[] = {
        {{.Kind = K::Game_Over, .Count = 10, .Points = 0, .Spent = 1},
         "",
         "Game over: 0 points won, 1 spent; F1 starts the next game"},
        {{.Kind = K::Game_Over, .Count = 5, .Odds = 9, .Points = 4, .Spent = 2},
         "Yellow zone, row of 3: 4 points",
         "All 5 balls played: 4 points won (Yellow zone, row of 3: 4 points), 2 spent; F2 can win more balls "
         "(1 in 9); F1 starts the next game"},
        {{.Kind = K::Game_Over, .Count = 10, .Points = 0, .Spent = 1, .Unpaid = 8},
         "",
         "Game over: 0 points won, 1 spent; rows still to collect: press S for 8 points; F1 collects them "
         "and "
         "starts the next game"},
        {{.Kind = K::Close_Refused},
         "",
         "The machine closes only between games: play this game's balls first"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.e.Kind == K::Game_Over ? Game_Over_Text(c.e, c.paid) : Event_Text(c.e), c.text);
    EXPECT_EQ(Event_Text(cases[2].e), cases[2].text);
}

TEST(GameEnd, ACloseDuringAGameIsRefusedAndTold) {
    Machine m;
    m.Load();
    Game_Under_Way(*m.M);
    m->Balls_Played = 2;
    m->Knop_Sluiten_Click();
    EXPECT_TRUE(m->Cancel_Close);
    EXPECT_FALSE(m->Ended);
    ASSERT_FALSE(m.Tk.Events.empty());
    EXPECT_EQ(m.Tk.Events.back().Kind, K::Close_Refused);
}

TEST(GameEnd, ACloseAnsweredYesCollectsTheFinishedCardBeforeSaving) {
    const struct {
        const char* what;
        Answer answer;
        bool finished;       // the game's balls are all played
        long long credited;  // what the saved credits gain over the credits before
        bool paid;           // a payment was reported
    } cases[] = {
        {"yes after the game", Answer::Yes, true, 4, true},
        {"no after the game", Answer::No, true, 0, false},
        {"yes before any game", Answer::Yes, false, 0, false},
    };
    for (const auto& c : cases) {
        Temp_Folder shared;
        const std::string ini = shared.File("Plonk.ini");
        {
            Machine m(ini);
            m.Load();
            if (c.finished) Finished_Card(*m.M);
            m->Main_Score = 200;
            m.Tk.Answers.push_back(c.answer);
            m->Knop_Sluiten_Click();
            EXPECT_TRUE(m->Ended) << c.what;
            EXPECT_EQ(Last_Reported(m.Tk, K::Payment).Kind == K::Payment, c.paid) << c.what;
        }
        Machine next(ini);
        next.Load();
        EXPECT_EQ(next->Main_Score, c.answer == Answer::Yes ? 200 + c.credited : 0) << c.what;
    }
}

TEST(GameEnd, AUsedGreenDoubleIsNotPaidAgainAfterARestart) {
    const struct {
        const char* what;
        bool used;
        Answer answer;
        int flags;  // after the restart
    } cases[] = {
        {"used, kept", true, Answer::Yes, 0},
        {"used, not kept", true, Answer::No, 0},
        {"not used", false, Answer::Yes, 4},
    };
    for (const auto& c : cases) {
        Temp_Folder shared;
        const std::string ini = shared.File("Plonk.ini");
        {
            Machine m(ini);
            m.Load();
            Finished_Card(*m.M);
            m->Flags_Count = 4;
            m->Green_Double_Active = c.used;
            m->Green_Double_Used = c.used;
            m.Tk.Answers.push_back(c.answer);
            m->Knop_Sluiten_Click();
        }
        Machine next(ini);
        next.Load();
        EXPECT_EQ(next->Flags_Count, c.flags) << c.what;
        EXPECT_EQ(next->Four_Flags(), c.flags == 4) << c.what;
    }
}

}  // namespace
}  // namespace plonk::test
