#include <gtest/gtest.h>

#include <string>

#include "features/zones.h"
#include "support/game_setup.h"

namespace plonk::test {
namespace {

struct Scan : ::testing::Test {
    Machine m;
    void SetUp() override {
        m.Tk.Check_Pictures = false;
        m.Load();
        Game_Under_Way(H(), 4);
        H().Main_Score = 0;
        H().Saldo_Score = 0;
        H().Game_Won = 0;
        for (int hole = 1; hole <= 25; ++hole) H().Hole_State(hole) = 0;
        m.Tk.Log.clear();
    }
    Hoofdvenster& H() { return *m.M; }
};

TEST_F(Scan, IncrementRuleTable) {
    H().Init_Punten();
    struct Row {
        int count;
        bool g3, g4;
        int points;  // at level 4: 3 = 32, 4 = 64, 5 = 100
    } rows[] = {{3, false, false, 32}, {4, true, false, 32}, {4, false, false, 64},
                {5, true, true, 36},   {5, true, false, 68}, {5, false, false, 100}};
    for (const Row& r : rows) {
        bool g3 = r.g3, g4 = r.g4, g5 = false;
        EXPECT_EQ(Increment_Points(H(), 4, To_Integer(r.count), g3, g4, g5), r.points) << r.count;
        EXPECT_TRUE(g3);
        EXPECT_EQ(g4, r.count >= 4);
        EXPECT_EQ(g5, r.count == 5);
    }
}

TEST_F(Scan, NothingBeforeTheFourthBall) {
    Light_Cells(H(), {{0, 0}, {0, 1}, {0, 2}});
    H().Balls_Played = 3;
    H().Focus = "Knop_S";
    H().Knop_S_Click();
    EXPECT_EQ(H().Main_Score, 0);
    EXPECT_FALSE(H().Yellow_Got3);
    EXPECT_EQ(m.Tk.Count("sound 3"), 0);
    EXPECT_EQ(H().Focus, "Command2");
}

TEST_F(Scan, YellowPaysTheIncreaseOnly) {
    H().Balls_Played = 4;
    Light_Cells(H(), {{0, 0}, {0, 1}, {0, 2}});  // line A at rest: 5, 14, 8
    H().Knop_S_Click();
    EXPECT_EQ(H().Main_Score, 32);
    EXPECT_TRUE(H().Yellow_Got3);
    Light_Cells(H(), {{0, 3}});
    H().Knop_S_Click();
    EXPECT_EQ(H().Main_Score, 64);
    EXPECT_EQ(H().Game_Won, 64);
    H().Knop_S_Click();
    EXPECT_EQ(H().Main_Score, 64);
}

TEST_F(Scan, FiveWithoutEarlierPaymentPaysInFull) {
    H().Balls_Played = 5;
    Light_Cells(H(), {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}});
    H().Knop_S_Click();
    EXPECT_EQ(H().Main_Score, 100);
    EXPECT_TRUE(H().Yellow_Got3 && H().Yellow_Got4 && H().Yellow_Got5);
    H().Knop_S_Click();
    EXPECT_EQ(H().Main_Score, 100);
}

TEST_F(Scan, CardBonusOnlyAtLevelNineAndOnce) {
    struct Row {
        int red_level;
        bool paid;
    } rows[] = {{8, false}, {9, true}};
    for (const Row& r : rows) {
        SetUp();
        H().Balls_Played = 4;
        H().Red_Level = To_Integer(r.red_level);
        H().Main_Bonus = 1234;
        Light_Cells(H(), {{0, 2}, {2, 0}, {2, 2}, {2, 4}, {4, 2}});
        H().Knop_S_Click();
        EXPECT_EQ(H().Main_Bonus_Paid, r.paid);
        EXPECT_EQ(H().Main_Bonus, r.paid ? 1000 : 1234);
        const Long after_first = H().Main_Score;
        if (r.paid) {
            EXPECT_GE(after_first, 1234);
        }
        H().Knop_S_Click();
        EXPECT_EQ(H().Main_Score, after_first) << "paid at most once";
    }
}

TEST_F(Scan, GreenDoubleNeedsFourFlags) {
    H().Balls_Played = 5;
    Light_Cells(H(), {{1, 5}, {1, 6}, {1, 7}});  // green line B
    H().Flags_Count = 3;
    H().Knop_2_Click();
    EXPECT_EQ(H().Main_Score, 0);
    EXPECT_FALSE(H().Green_Double_Active);
    H().Flags_Count = 4;
    H().Knop_2_Click();
    EXPECT_TRUE(H().Green_Double_Active);
    EXPECT_TRUE(H().Green_Double_Used);
    EXPECT_EQ(H().Main_Score, 32);
    H().Knop_S_Click();  // green pays, the double already has
    EXPECT_EQ(H().Main_Score, 64);
}

TEST_F(Scan, AutomaticScanLeavesTheLinesAloneWhenOffOrWhenNothingIsFound) {
    H().Balls_Played = 4;
    H().Fifth_Ball = true;
    H().Line_Level = 10;
    H().Line_Pos(0) = 0;
    H().Line_Pos(1) = 2;
    for (int check : {0, 1}) {
        H().Check2.Value = check;
        H().Auto_Scan();
        EXPECT_EQ(H().Line_Pos(0), 0);
        EXPECT_EQ(H().Line_Pos(1), 2);
        EXPECT_EQ(m.Tk.Count("sleep 500"), 0);
        EXPECT_EQ(H().Main_Score, 0);
    }
}

// A row that only one setting of the lines completes: the line-level decides whether
// the scan reaches it.
TEST_F(Scan, AutomaticScanReachesTheLinesItsLevelFrees) {
    // Line E at position 0 shows 4, 15, 4, 10, 11 in columns 0..4; line C at rest shows 23 in
    // column 0 and line A 5: with 5, 2, 23, 16 and 4 lit, column 0 of the main card is
    // complete only when line E stands at 0.
    struct Row {
        int line_level;
        bool found;
    } rows[] = {{9, false}, {10, true}};
    for (const Row& r : rows) {
        SetUp();
        H().Check2.Value = 1;
        H().Balls_Played = 4;
        H().Fifth_Ball = true;
        H().Line_Level = To_Integer(r.line_level);
        for (int hole : {5, 2, 23, 16, 4}) H().Hole_State(hole) = 1;
        H().Auto_Scan();
        SCOPED_TRACE(r.line_level);
        EXPECT_EQ(H().Yellow_Got5, r.found);
        EXPECT_EQ(H().Line_Pos(4), r.found ? 0 : 1);
        if (r.found) {
            EXPECT_GT(m.Tk.Count("sleep 500"), 0) << "the lines move visibly";
        }
    }
}

}  // namespace
}  // namespace plonk::test
