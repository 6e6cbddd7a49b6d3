#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "features/feature_draw.h"
#include "support/game_setup.h"

namespace plonk::test {
namespace {

struct Invest : ::testing::Test {
    Machine m;
    void SetUp() override {
        m.Tk.Check_Pictures = false;
        m.Load();
        m.Tk.Log.clear();
    }
    Hoofdvenster& H() { return *m.M; }
    int Sound(int n) const { return m.Tk.Count("sound " + std::to_string(n)); }
};

TEST_F(Invest, InsertingAddsToCreditsAndStakeOnly) {
    H().Main_Score = 7;
    H().Stake_Score = 40;
    H().Saldo_Score = -33;
    H().Focus = "Knop_P";
    H().Knop_P_Click();
    EXPECT_EQ(H().Main_Score, 107);
    EXPECT_EQ(H().Stake_Score, 140);
    EXPECT_EQ(H().Saldo_Score, -33);
    EXPECT_EQ(H().Focus, "Command2");
}

TEST_F(Invest, NoCreditsChargesNothing) {
    Game_Under_Way(H());
    H().Main_Score = 0;
    H().Balls_Played = 6;
    H().Saldo_Score = 12;
    H().Game_Spent = 3;
    H().Rng.Queue(Pick(6, 9));
    H().Invest_Points();
    H().Request_Extra_Ball();
    EXPECT_EQ(H().Main_Score, 0);
    EXPECT_EQ(H().Saldo_Score, 12);
    EXPECT_EQ(H().Game_Spent, 3);
    EXPECT_EQ(H().Balls_In_Game, 5);
    EXPECT_EQ(H().Rng.Queued(), 1u);
}

TEST_F(Invest, EveryThirdAndSixthPointFeedTheBonuses) {
    struct Row {
        int counter_before, counter_after, main_gain, extra_gain;
    } rows[] = {{0, 1, 0, 0}, {1, 2, 0, 0}, {2, 3, 1, 0}, {3, 4, 0, 0}, {4, 5, 0, 0}, {5, 0, 0, 1}};
    for (const Row& r : rows) {
        H().Spend_Counter = To_Integer(r.counter_before);
        H().Main_Bonus = 1000;
        H().Extra_Bonus = 2000;
        H().Main_Score = 10;
        H().Saldo_Score = 0;
        H().Game_Spent = 4;
        Spend_One_Point(H());
        SCOPED_TRACE(r.counter_before);
        EXPECT_EQ(H().Spend_Counter, r.counter_after);
        EXPECT_EQ(H().Main_Bonus, 1000 + r.main_gain);
        EXPECT_EQ(H().Extra_Bonus, 2000 + r.extra_gain);
        EXPECT_EQ(H().Main_Score, 9);
        EXPECT_EQ(H().Saldo_Score, -1);
        EXPECT_EQ(H().Game_Spent, 5);
    }
}

TEST_F(Invest, BothKindsOfSpendingCountTowardsTheBonuses) {
    Game_Under_Way(H());
    H().Spend_Counter = 1;
    H().Main_Bonus = 1000;
    H().Yellow_Level = 1;  // no draw: the levels go to 2
    H().Invest_Points();
    EXPECT_EQ(H().Main_Bonus, 1000);
    H().Balls_Played = 5;
    H().Rng.Queue(0.0);
    H().Request_Extra_Ball();
    EXPECT_EQ(H().Main_Bonus, 1001);
    EXPECT_EQ(H().Spend_Counter, 3);
}

// The feature draw, driven by forced random numbers: the set-up before, the values
// drawn, what must have changed, and the sound (0 for none).
struct Draw_Row {
    const char* name;
    std::function<void(Hoofdvenster&)> before;
    std::vector<double> draws;
    std::function<bool(Hoofdvenster&)> after;
    int sound;
};

TEST_F(Invest, FeatureDrawTable) {
    const int N = 15;
    constexpr uint64_t kSeed = 20240517;
    auto e = [&](int k) { return Pick(k, N); };
    auto none = [](Hoofdvenster&) {};
    const std::vector<Draw_Row> rows = {
        {"stars resting",
         [](Hoofdvenster& h) { h.Star_Game_Rest = 1; },
         {e(1)},
         [](Hoofdvenster& h) { return !h.Three_Stars_Feature && !h.Two_Stars_Feature; },
         5},
        {"three stars",
         none,
         {e(1), Pick(4, 40)},
         [](Hoofdvenster& h) {
             return h.Three_Stars_Feature && h.Pic_3Stars.Visible && !h.Two_Stars_Feature;
         },
         8},
        {"no star at 5",
         none,
         {e(1), Pick(5, 40)},
         [](Hoofdvenster& h) { return !h.Three_Stars_Feature; },
         5},
        {"three stars kept",
         [](Hoofdvenster& h) { h.Three_Stars_Feature = true; },
         {e(1), Pick(1, 40)},
         [](Hoofdvenster& h) { return h.Three_Stars_Feature && !h.Two_Stars_Feature; },
         5},
        {"two stars replace three",
         [](Hoofdvenster& h) { h.Three_Stars_Feature = h.Pic_3Stars.Visible = true; },
         {e(1), Pick(27, 40)},
         [](Hoofdvenster& h) {
             return h.Two_Stars_Feature && h.Pic_2Stars.Visible && !h.Three_Stars_Feature &&
                    !h.Pic_3Stars.Visible;
         },
         8},
        {"two stars once",
         [](Hoofdvenster& h) { h.Two_Stars_Feature = true; },
         {e(1), Pick(27, 40)},
         [](Hoofdvenster& h) { return h.Two_Stars_Feature && !h.Three_Stars_Feature; },
         5},
        {"yellow up",
         none,
         {e(2), Pick(29, 100)},
         [](Hoofdvenster& h) { return h.Yellow_Level == 4 && h.Red_Level == 3; },
         8},
        {"red up low",
         none,
         {e(2), Pick(30, 100)},
         [](Hoofdvenster& h) { return h.Red_Level == 4 && h.Yellow_Level == 3; },
         8},
        {"red up high", none, {e(2), Pick(59, 100)}, [](Hoofdvenster& h) { return h.Red_Level == 4; }, 8},
        {"white up",
         none,
         {e(2), Pick(60, 100)},
         [](Hoofdvenster& h) { return h.White_Level == 4 && h.Red_Level == 3; },
         8},
        {"white up high", none, {e(2), Pick(79, 100)}, [](Hoofdvenster& h) { return h.White_Level == 4; }, 8},
        {"green up",
         none,
         {e(2), Pick(80, 100)},
         [](Hoofdvenster& h) { return h.Green_Level == 4 && h.White_Level == 3; },
         8},
        {"green up high",
         none,
         {e(2), Pick(100, 100)},
         [](Hoofdvenster& h) { return h.Green_Level == 4; },
         8},
        {"red to 9 shows its bonus",
         [](Hoofdvenster& h) { h.Red_Level = 8; },
         {e(2), Pick(40, 100)},
         [](Hoofdvenster& h) {
             return h.Red_Level == 9 && h.Pic_RedBonus.Visible && !h.Pic_GreenBonus.Visible;
         },
         8},
        {"green to 9 shows its bonus",
         [](Hoofdvenster& h) { h.Green_Level = 8; },
         {e(2), Pick(90, 100)},
         [](Hoofdvenster& h) {
             return h.Green_Level == 9 && h.Pic_GreenBonus.Visible && !h.Pic_RedBonus.Visible;
         },
         8},
        {"level 9 stays",
         [](Hoofdvenster& h) { h.Yellow_Level = 9; },
         {e(2), Pick(1, 100)},
         [](Hoofdvenster& h) { return h.Yellow_Level == 9; },
         5},
        {"four stars",
         none,
         {e(3), Pick(9, 30)},
         [](Hoofdvenster& h) { return h.Four_Stars_Feature && h.Pic_4Stars.Visible; },
         8},
        {"four stars missed",
         none,
         {e(3), Pick(10, 30)},
         [](Hoofdvenster& h) { return !h.Four_Stars_Feature; },
         5},
        {"four stars not with corners",
         [](Hoofdvenster& h) { h.Corners_Feature = true; },
         {e(3)},
         [](Hoofdvenster& h) { return !h.Four_Stars_Feature; },
         5},
        {"16-hit",
         [](Hoofdvenster& h) { h.Flags_Count = 2; },
         {e(4), Pick(2, 22)},
         [](Hoofdvenster& h) { return h.Hit16_Feature && h.Pic_16Hit.Visible; },
         8},
        {"16-hit missed",
         [](Hoofdvenster& h) { h.Flags_Count = 2; },
         {e(4), Pick(3, 22)},
         [](Hoofdvenster& h) { return !h.Hit16_Feature; },
         5},
        {"16-hit scale",
         [](Hoofdvenster& h) { h.Flags_Count = 3; },
         {e(4), 2.0 / 26 - 1e-9},
         [](Hoofdvenster& h) { return h.Hit16_Feature; },
         8},
        {"16-hit not with four flags",
         [](Hoofdvenster& h) { h.Flags_Count = 4; },
         {e(4)},
         [](Hoofdvenster& h) { return !h.Hit16_Feature; },
         5},
        {"corners",
         none,
         {e(5), Pick(7, 30)},
         [](Hoofdvenster& h) { return h.Corners_Feature && h.Pic_Corners.Visible; },
         8},
        {"corners missed", none, {e(5), Pick(8, 30)}, [](Hoofdvenster& h) { return !h.Corners_Feature; }, 5},
        {"corners not with four stars",
         [](Hoofdvenster& h) { h.Four_Stars_Feature = true; },
         {e(5)},
         [](Hoofdvenster& h) { return !h.Corners_Feature; },
         5},
        {"fifth ball",
         [](Hoofdvenster& h) { h.Line_Level = 7; },
         {e(6), Pick(30, 32)},
         [](Hoofdvenster& h) { return h.Fifth_Ball; },
         8},
        {"fifth ball below line 6",
         [](Hoofdvenster& h) { h.Line_Level = 3; },
         {e(6), Pick(30, 32)},
         [](Hoofdvenster& h) { return h.Fifth_Ball; },
         5},
        {"fifth ball missed silently",
         none,
         {e(6), Pick(29, 32)},
         [](Hoofdvenster& h) { return !h.Fifth_Ball; },
         0},
        {"fifth ball had",
         [](Hoofdvenster& h) { h.Fifth_Ball = true; },
         {e(6)},
         [](Hoofdvenster& h) { return h.Fifth_Ball; },
         5},
        {"line 5 to 7",
         [](Hoofdvenster& h) { h.Line_Level = 5; },
         {e(7), Pick(10, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 7; },
         8},
        {"line 7 to 8",
         [](Hoofdvenster& h) { h.Line_Level = 7; },
         {e(7), Pick(1, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 8; },
         8},
        {"line missed",
         [](Hoofdvenster& h) { h.Line_Level = 7; },
         {e(7), Pick(11, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 7; },
         5},
        {"line with fifth ball",
         [](Hoofdvenster& h) {
             h.Line_Level = 2;
             h.Fifth_Ball = true;
         },
         {e(7), 10.0 / 56 - 1e-9},
         [](Hoofdvenster& h) { return h.Line_Level == 3; },
         8},
        {"line 10 stays",
         [](Hoofdvenster& h) { h.Line_Level = 10; },
         {e(7), Pick(1, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 10; },
         5},
        {"line from 0 low", none, {e(7), Pick(1, 40)}, [](Hoofdvenster& h) { return h.Line_Level == 7; }, 8},
        {"line from 0 at 23",
         none,
         {e(7), Pick(23, 40)},
         [](Hoofdvenster& h) { return h.Line_Level == 8; },
         8},
        {"line from 0 at 29",
         none,
         {e(7), Pick(29, 40)},
         [](Hoofdvenster& h) { return h.Line_Level == 10; },
         8},
        {"line from 0 at 30",
         none,
         {e(7), Pick(30, 40)},
         [](Hoofdvenster& h) { return h.Line_Level == 1; },
         8},
        {"eight wins nothing",
         none,
         {e(8)},
         [](Hoofdvenster& h) { return h.Line_Level == 0 && h.Yellow_Level == 3 && !h.Fifth_Ball; },
         5},
        {"fifteen wins nothing", none, {e(15)}, [](Hoofdvenster& h) { return h.Line_Level == 0; }, 5},
    };
    for (const Draw_Row& r : rows) {
        Machine fresh;
        fresh.Tk.Check_Pictures = false;
        fresh.Load();
        Hoofdvenster& h = *fresh.M;
        Game_Under_Way(h);
        h.Invest_Range = N;
        h.Star_Game_Rest = 0;
        r.before(h);
        // Past the forced values the generator runs on a fixed seed: a value drawn
        // beyond them shows as the sequence having moved on.
        h.Rng.Fix_Seed(kSeed);
        for (double d : r.draws) h.Rng.Queue(d);
        fresh.Tk.Log.clear();
        h.Invest_Points();
        SCOPED_TRACE(r.name);
        EXPECT_TRUE(r.after(h));
        EXPECT_EQ(h.Rng.Queued(), 0u) << "every forced value is drawn";
        Random untouched;
        untouched.Fix_Seed(kSeed);
        EXPECT_EQ(h.Rng.Rnd(), untouched.Rnd()) << "no value is drawn beyond the forced ones";
        EXPECT_EQ(h.Main_Score, 499);
        for (int s : {5, 8})
            EXPECT_EQ(fresh.Tk.Count("sound " + std::to_string(s)), s == r.sound ? 1 : 0) << s;
    }
}

TEST_F(Invest, FirstInvestAfterALostStarGameLiftsTheLevelsWithoutADraw) {
    Game_Under_Way(H(), 1);
    H().Rng.Queue(Pick(2, 15));
    H().Invest_Points();
    EXPECT_EQ(H().Yellow_Level, 2);
    EXPECT_EQ(H().Red_Level, 2);
    EXPECT_EQ(H().White_Level, 2);
    EXPECT_EQ(H().Green_Level, 2);
    EXPECT_EQ(H().Rng.Queued(), 1u);
    EXPECT_EQ(Sound(5), 1);
}

TEST_F(Invest, ClosedGameBuysNothing) {
    Game_Under_Way(H());
    H().Invest_Open = false;
    H().Balls_Played = 2;
    H().Invest_Points();
    EXPECT_EQ(H().Main_Score, 500);
}

TEST_F(Invest, NothingLeftToBuyIsRefusedWhileTheStarGameRests) {
    struct Row {
        int rest;
        bool two_stars;
        bool charged;
    } rows[] = {{0, false, true}, {1, false, false}, {2, false, false}, {0, true, false}};
    for (const Row& r : rows) {
        Game_Under_Way(H(), 9);
        H().Line_Level = 10;
        H().Fifth_Ball = true;
        H().Corners_Feature = true;
        H().Star_Game_Rest = To_Integer(r.rest);
        H().Two_Stars_Feature = r.two_stars;
        H().Three_Stars_Feature = false;
        H().Rng.Queue(Pick(1, 15));
        H().Rng.Queue(Pick(4, 40));
        H().Invest_Points();
        SCOPED_TRACE(r.rest);
        EXPECT_EQ(H().Main_Score, r.charged ? 499 : 500);
        EXPECT_EQ(H().Three_Stars_Feature, r.charged);
        while (H().Rng.Queued()) H().Rng.Rnd();
    }
}

TEST_F(Invest, RolloverStarsFollowTheParityOfTheCredits) {
    struct Row {
        int line_level;
        bool fifth;
        long credits_before;
        bool yellow, red;
    } rows[] = {{7, false, 501, false, true},
                {7, false, 500, true, false},
                {5, false, 500, false, false},
                {9, true, 500, false, false}};
    for (const Row& r : rows) {
        Game_Under_Way(H());
        H().Line_Level = To_Integer(r.line_level);
        H().Fifth_Ball = r.fifth;
        H().Main_Score = r.credits_before;
        H().Yellow_Star_Lit = H().Red_Star_Lit = true;
        H().Rng.Queue(Pick(15, 15));
        H().Invest_Points();
        SCOPED_TRACE(r.credits_before);
        EXPECT_EQ(H().Yellow_Star_Lit, r.yellow);
        EXPECT_EQ(H().Pic_Ster_Geel.Visible, r.yellow);
        EXPECT_EQ(H().Red_Star_Lit, r.red);
        EXPECT_EQ(H().Pic_Ster_Rood.Visible, r.red);
    }
}

// An extra ball is won exactly when Int(X * Rnd + 1) is 6: forcing Rnd just inside and
// just outside [5/X, 6/X) pins X down.
TEST_F(Invest, ExtraBallChanceIsOneInX) {
    struct Row {
        int levels[4];
        int balls;
        int x;
    } rows[] = {{{1, 1, 1, 1}, 5, 9}, {{9, 9, 9, 9}, 5, 59}, {{1, 1, 1, 1}, 6, 12}, {{3, 5, 2, 7}, 9, 41}};
    for (const Row& r : rows) {
        for (auto [value, wins] : {std::pair{5.0 / r.x, true},
                                   {6.0 / r.x - 1e-9, true},
                                   {6.0 / r.x, false},
                                   {5.0 / r.x - 1e-9, false}}) {
            Game_Under_Way(H());
            H().Yellow_Level = To_Integer(r.levels[0]);
            H().Red_Level = To_Integer(r.levels[1]);
            H().White_Level = To_Integer(r.levels[2]);
            H().Green_Level = To_Integer(r.levels[3]);
            H().Balls_In_Game = To_Integer(r.balls);
            H().Balls_Played = To_Integer(r.balls);
            H().Game_Over = true;
            for (int i = 5; i <= 9; ++i) H().Image_Bal(i).Visible = H().Pix_XtrBall(i - 5).Visible = false;
            H().Rng.Queue(value);
            H().Request_Extra_Ball();
            SCOPED_TRACE(r.x);
            EXPECT_EQ(H().Main_Score, 499);
            EXPECT_EQ(H().Balls_In_Game, r.balls + (wins ? 1 : 0));
            EXPECT_EQ(H().Game_Over, !wins);
            EXPECT_EQ(H().Image_Bal(r.balls).Visible, wins);
            EXPECT_EQ(H().Pix_XtrBall(r.balls - 5).Visible, wins);
        }
    }
}

TEST_F(Invest, ExtraBallRefusedBeforeTheFifthBallAndAtTen) {
    for (auto [played, balls] : {std::pair{4, 5}, {10, 10}}) {
        Game_Under_Way(H());
        H().Balls_Played = To_Integer(played);
        H().Balls_In_Game = To_Integer(balls);
        H().Rng.Queue(Pick(6, 9));
        H().Request_Extra_Ball();
        EXPECT_EQ(H().Main_Score, 500);
        EXPECT_EQ(H().Balls_In_Game, balls);
        EXPECT_EQ(H().Rng.Rnd(), Pick(6, 9));
    }
}

}  // namespace
}  // namespace plonk::test
