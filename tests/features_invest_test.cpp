#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "features/feature_draw.h"
#include "support/game_setup.h"
#include "support/invest_fixture.h"

namespace plonk::test {
namespace {

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
        Spend_One_Point(H(), Spend::Invest);
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
