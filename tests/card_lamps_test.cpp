#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/picture_names.h"
#include "card/card_masks.h"
#include "card/lamp_picture.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

struct Lamps : ::testing::Test {
    Machine m;
    // The lamps' pictures are judged by name here, not by their files.
    void SetUp() override {
        m.Tk.Check_Pictures = false;
        m.Load();
    }
    std::string Lamp(int line, int column) { return Picture_Name(m->Lites(line * 10 + column)); }
    std::vector<std::string> All_Pictures() {
        std::vector<std::string> p;
        for (int i = 0; i <= 49; ++i) p.push_back(m->Lites(i).Picture);
        return p;
    }
};

TEST(Lamp_Picture, NamesTheNumberWithTwoDigitsAndItsState) {
    struct Case {
        int n;
        bool lit, mid;
        const char* name;
    } cases[] = {
        {7, true, false, "07-on.gif"},     {7, false, false, "07-off.gif"},
        {25, true, true, "25-on-mid.gif"}, {1, false, true, "01-off-mid.gif"},
        {10, true, false, "10-on.gif"},
    };
    for (const Case& c : cases) EXPECT_EQ(Lamp_File(c.n, c.lit, c.mid), c.name);
}

TEST_F(Lamps, ANewBoardShowsEveryLampUnlitWithMidColumnsTwoAndSeven) {
    for (int line = 0; line <= 4; ++line) {
        EXPECT_EQ(m->Line_Pos(line), 1);
        EXPECT_EQ(m->Line_Dir(line), 1);
        for (int c = 0; c <= 9; ++c) {
            const int n = m->Card_Numbers(1, c, line);
            EXPECT_EQ(Lamp(line, c), Lamp_File(n, false, c == 2 || c == 7));
        }
    }
    EXPECT_EQ(Lamp(0, 2), "08-off-mid.gif");
    EXPECT_EQ(Lamp(0, 0), "05-off.gif");
}

TEST_F(Lamps, BallInHoleSixLightsBothItsLampsAndNothingElse) {
    const auto before = All_Pictures();
    m->Hole_State(6) = 1;
    m->Set_Lites();
    for (int i = 0; i <= 49; ++i) {
        if (i == 3 || i == 5) continue;
        EXPECT_EQ(m->Lites(i).Picture, before[i]) << "lamp " << i;
    }
    EXPECT_EQ(Lamp(0, 3), "06-on.gif");
    EXPECT_EQ(Lamp(0, 5), "06-on.gif");
}

TEST_F(Lamps, LitNumberSevenLoadsItsFileFromTheProgramFolder) {
    m->Hole_State(7) = 1;
    m->Set_Lites();
    // At rest 7 stands in B9 and D4, neither a mid lamp.
    EXPECT_EQ(m->Lites(19).Picture, m->App_Folder + "07-on.gif");
    EXPECT_EQ(m->Lites(34).Picture, m->App_Folder + "07-on.gif");
}

TEST_F(Lamps, MidPicturesTravelWithTheLine) {
    m->Line_Pos(0) = 2;
    m->Set_Lites();
    EXPECT_EQ(Lamp(0, 1), "08-off-mid.gif");
    EXPECT_EQ(Lamp(0, 6), "10-off-mid.gif");
    EXPECT_EQ(Lamp(0, 2), "06-off.gif");
    EXPECT_EQ(Lamp(0, 0), "14-off.gif");
    EXPECT_EQ(Lamp(0, 9), "05-off.gif");
}

TEST_F(Lamps, LitLampsAgreeWithTheLitCellMask) {
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        for (int n = 1; n <= 25; ++n) m->Hole_State(n) = rng() % 2;
        for (int line = 0; line <= 4; ++line) m->Line_Pos(line) = To_Integer(rng() % 3);
        m->Set_Lites();
        const uint64_t lit = card::Lit_Cells(*m.M);
        for (int i = 0; i <= 49; ++i) {
            const bool on = Lamp(i / 10, i % 10).find("-on") != std::string::npos;
            ASSERT_EQ(on, ((lit >> i) & 1) != 0) << "lamp " << i;
        }
    }
}

TEST_F(Lamps, ResetPutsLinesAtRestAndAllLampsUnlit) {
    const auto fresh = All_Pictures();
    for (int n = 1; n <= 25; ++n) m->Hole_State(n) = 1;
    m->Line_Pos(0) = 0;
    m->Line_Dir(0) = 1;
    m->Line_Pos(3) = 2;
    m->Line_Dir(3) = -1;
    m->Set_Lites();
    m->Reset_Lites();
    for (int line = 0; line <= 4; ++line) {
        EXPECT_EQ(m->Line_Pos(line), 1);
        EXPECT_EQ(m->Line_Dir(line), 1);
    }
    EXPECT_EQ(All_Pictures(), fresh);
}

TEST_F(Lamps, AMissingLampPictureStopsTheProgram) {
    m.Tk.Check_Pictures = true;
    m->App_Folder = m.Folder.Path() + "/";
    m->Hole_State(1) = 1;
    m->Set_Lites();
    EXPECT_TRUE(m->Ended);
    EXPECT_EQ(m.Tk.End_Status, 1);
}

}  // namespace
}  // namespace plonk::test
