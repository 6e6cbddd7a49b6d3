#include <gtest/gtest.h>

#include <random>

#include "support/game_setup.h"

namespace plonk::test {
namespace {

struct Game_Start : ::testing::Test {
    Machine m;
    void SetUp() override {
        m.Tk.Check_Pictures = false;
        m.Load();
    }
    Hoofdvenster& H() { return *m.M; }
    // The last game is over: all its balls shot (none counted, so there is nothing
    // left on the card to collect).
    void Finished_Game(int red_level) {
        Game_Under_Way(H(), 3);
        H().Red_Level = To_Integer(red_level);
        H().Game_Over = true;
        H().Invest_Open = false;
        H().Balls_Played = 0;
    }
    void Win_Star_Game() {
        H().Three_Stars_Feature = true;
        Light_Cells(H(), {{0, 7}, {2, 5}, {4, 7}});
    }
};

TEST_F(Game_Start, LostStarGameStartsAtLevelOne) {
    Finished_Game(6);
    H().Balls_In_Game = 7;
    H().Line_Level = 9;
    H().Three_Stars_Feature = true;
    Light_Cells(H(), {{0, 7}, {2, 5}});
    H().Invest_Points();
    EXPECT_EQ(H().Main_Score, 499);
    EXPECT_EQ(H().Balls_In_Game, 5);
    EXPECT_EQ(H().Balls_Played, 0);
    EXPECT_EQ(H().Line_Level, 0);
    for (Integer level : {H().Yellow_Level, H().Red_Level, H().White_Level, H().Green_Level})
        EXPECT_EQ(level, 1);
    EXPECT_FALSE(H().Game_Over);
    EXPECT_TRUE(H().Invest_Open);
    EXPECT_FALSE(H().Three_Stars_Feature);
    EXPECT_EQ(H().Game_Spent, 1);
    EXPECT_EQ(H().Game_Won, 0);
    // The next invest lifts every level to 2.
    H().Invest_Points();
    for (Integer level : {H().Yellow_Level, H().Red_Level, H().White_Level, H().Green_Level})
        EXPECT_EQ(level, 2);
}

TEST_F(Game_Start, WonStarGameGivesTheHeadStartOfTheRedLevel) {
    Finished_Game(4);
    Win_Star_Game();
    H().Star_Game_Rest = 0;
    H().Invest_Points();
    EXPECT_EQ(H().Yellow_Level, 6);
    EXPECT_EQ(H().Red_Level, 4);
    EXPECT_EQ(H().White_Level, 5);
    EXPECT_EQ(H().Green_Level, 4);
    EXPECT_EQ(H().Line_Level, 8);
    EXPECT_FALSE(H().Fifth_Ball);
    EXPECT_TRUE(H().Four_Stars_Feature);
    EXPECT_TRUE(H().Pic_4Stars.Visible);
    EXPECT_FALSE(H().Corners_Feature);
    EXPECT_FALSE(H().Pic_Corners.Visible);
    EXPECT_EQ(H().Star_Game_Rest, 2);
    // The star rest counts down over the next two games, then starts again at 2.
    for (int expected : {1, 0, 2}) {
        Finished_Game(3);
        H().Invest_Points();
        EXPECT_EQ(H().Star_Game_Rest, expected);
    }
}

TEST_F(Game_Start, OddRedLevelGivesCornersAndFromSixTheFifthBall) {
    Finished_Game(7);
    Win_Star_Game();
    H().Invest_Points();
    EXPECT_EQ(H().Yellow_Level, 9);
    EXPECT_EQ(H().White_Level, 8);
    EXPECT_EQ(H().Line_Level, 9);
    EXPECT_TRUE(H().Fifth_Ball);
    EXPECT_TRUE(H().Corners_Feature);
    EXPECT_TRUE(H().Pic_Corners.Visible);
    EXPECT_FALSE(H().Pic_RedBonus.Visible);
}

TEST_F(Game_Start, InvestRangeAdaptsToWhatTheGamePaid) {
    struct Row {
        int spent, won, range_before, range_after;
    } rows[] = {{10, 5, 15, 14}, {10, 10, 15, 14}, {10, 11, 15, 16},
                {3, 0, 7, 7},    {3, 50, 23, 23},  {1, 0, 8, 7}};
    for (const Row& r : rows) {
        Finished_Game(3);
        H().Game_Spent = To_Integer(r.spent);
        H().Game_Won = To_Integer(r.won);
        H().Invest_Range = To_Integer(r.range_before);
        H().Invest_Points();
        SCOPED_TRACE(r.spent * 100 + r.won);
        EXPECT_EQ(H().Invest_Range, r.range_after);
    }
}

TEST_F(Game_Start, InvestRangeStaysWithinItsBoundsOverManyGames) {
    std::mt19937 gen(7);
    // Long winning and losing streaks as well as mixed results.
    for (int game = 0; game < 25000; ++game) {
        Finished_Game(3);
        H().Main_Score = 1000;
        const int phase = (game / 2000) % 3;
        H().Game_Spent = To_Integer(1 + gen() % 40);
        H().Game_Won = To_Integer(phase == 0 ? 0 : phase == 1 ? 500 : gen() % 80);
        H().Invest_Points();
        ASSERT_GE(H().Invest_Range, 7) << game;
        ASSERT_LE(H().Invest_Range, 23) << game;
    }
}

TEST_F(Game_Start, UsedGreenDoubleCostsTheFlags) {
    struct Row {
        int flags;
        bool used;
        int after;
    } rows[] = {{4, true, 0}, {4, false, 4}, {3, true, 3}};
    for (const Row& r : rows) {
        Finished_Game(3);
        H().Flags_Count = To_Integer(r.flags);
        H().Green_Double_Used = r.used;
        H().Invest_Points();
        EXPECT_EQ(H().Flags_Count, r.after);
    }
}

}  // namespace
}  // namespace plonk::test
