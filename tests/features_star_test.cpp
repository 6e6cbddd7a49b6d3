#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "features/star_prize.h"
#include "support/game_setup.h"
#include "support/screen_render.h"

namespace plonk::test {
namespace {

struct Star_Game : ::testing::Test {
    Machine m;
    void SetUp() override {
        m.Tk.Check_Pictures = false;
        m.Load();
    }
    Hoofdvenster& H() { return *m.M; }
    void Clear_Drawing() {
        H().Pic_Scherm.Lines.clear();
        for (int i = 0; i < 4; ++i) H().Pic_Score(i).Lines.clear();
    }
    bool Has(const Control& c, Drawn_Line l) {
        return std::find(c.Lines.begin(), c.Lines.end(), l) != c.Lines.end();
    }
};

TEST_F(Star_Game, StarCellsDecideTheGame) {
    struct Row {
        bool three, two;
        int lit;
        int result;
    } rows[] = {{false, false, 4, 0}, {true, false, 2, 0},  {false, true, 2, -1}, {true, false, 3, -1},
                {true, false, 4, -1}, {false, true, 4, -1}, {false, true, 1, 0},  {true, false, 0, 0}};
    const std::pair<int, int> stars[] = {{0, 7}, {2, 5}, {2, 9}, {4, 7}};
    for (const Row& r : rows) {
        H().Reset_Game();
        for (int hole = 1; hole <= 25; ++hole) H().Hole_State(hole) = 0;
        H().Line_Pos(0) = 2;  // the star cells are looked up where the lines stand
        H().Three_Stars_Feature = r.three;
        H().Two_Stars_Feature = r.two;
        for (int i = 0; i < r.lit; ++i) H().Hole_State(Hole_At(H(), stars[i].first, stars[i].second)) = 1;
        Integer result = 7;
        H().Sterrenspel(result);
        SCOPED_TRACE(r.lit);
        EXPECT_EQ(result, r.result);
    }
}

TEST_F(Star_Game, PrizeTableFollowsTheRedLevel) {
    struct Row {
        int r, yellow, red, white, green, line_level;
        bool fifth, corners;
    } rows[] = {
        {1, 3, 1, 2, 1, 5, false, true},  {2, 4, 2, 3, 2, 7, false, false}, {3, 5, 3, 4, 3, 7, false, true},
        {4, 6, 4, 5, 4, 8, false, false}, {5, 7, 5, 6, 5, 8, false, true},  {6, 8, 6, 7, 6, 9, true, false},
        {7, 9, 7, 8, 7, 9, true, true},   {8, 9, 8, 9, 8, 9, true, false},  {9, 9, 9, 9, 9, 10, true, true}};
    for (const Row& r : rows) {
        const Star_Prize p = Star_Prize_For(r.r);
        SCOPED_TRACE(r.r);
        EXPECT_EQ(p.Yellow, r.yellow);
        EXPECT_EQ(p.Red, r.red);
        EXPECT_EQ(p.White, r.white);
        EXPECT_EQ(p.Green, r.green);
        EXPECT_EQ(p.Line_Level, r.line_level);
        EXPECT_EQ(p.Fifth_Ball, r.fifth);
        EXPECT_EQ(p.Corners, r.corners);
    }
}

TEST_F(Star_Game, UnarmedDrawsNothing) {
    Clear_Drawing();
    H().Red_Level = 4;
    H().Set_Sterspel_Info();
    H().Remove_Sterspel_Info();
    EXPECT_TRUE(H().Pic_Scherm.Lines.empty());
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(H().Pic_Score(i).Lines.empty());
}

TEST_F(Star_Game, RedLevelNineClosesEveryStripOnTheScreen) {
    Clear_Drawing();
    H().Red_Level = 9;
    H().Two_Stars_Feature = true;
    H().Set_Sterspel_Info();
    const uint32_t red = QBColor(12);
    for (auto [from, to] : {std::pair{296, 324}, {330, 358}, {364, 392}, {398, 426}})
        EXPECT_TRUE(Has(H().Pic_Scherm, {538, from, 538, to, red})) << from;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(H().Pic_Score(i).Lines.size(), 1u);
        EXPECT_TRUE(Has(H().Pic_Score(i), {191, 0, 191, 28, red}));
    }
    // The top edge of the yellow cell 9 runs over the whole cell.
    EXPECT_TRUE(Has(H().Pic_Scherm, {514, 296, 539, 296, red}));
    // Corners, the fifth ball and all five letters.
    EXPECT_TRUE(Has(H().Pic_Scherm, {322, 226, 383, 226, red}));
    EXPECT_TRUE(Has(H().Pic_Scherm, {566, 207, 633, 207, red}));
    EXPECT_TRUE(Has(H().Pic_Scherm, {481, 221, 481, 207, red}));
}

TEST_F(Star_Game, RaisingRedMovesTheFrames) {
    Game_Under_Way(H(), 4);
    H().Three_Stars_Feature = true;
    H().Star_Game_Rest = 1;
    Clear_Drawing();
    H().Set_Sterspel_Info();
    const uint32_t red = QBColor(12), cyan = QBColor(11);
    ASSERT_TRUE(Has(H().Pic_Scherm, {322, 249, 383, 249, red}));  // four stars at red 4
    H().Rng.Queue(Pick(2, 15));
    H().Rng.Queue(Pick(45, 100));
    H().Invest_Points();
    ASSERT_EQ(H().Red_Level, 5);
    EXPECT_TRUE(Has(H().Pic_Scherm, {322, 249, 383, 249, cyan}));
    EXPECT_FALSE(Has(H().Pic_Scherm, {322, 249, 383, 249, red}));
    EXPECT_TRUE(Has(H().Pic_Scherm, {322, 226, 383, 226, red}));  // corners at red 5
    // Red prize level 4 -> 5: the old cell's top edge erased, the new one drawn.
    EXPECT_TRUE(Has(H().Pic_Scherm, {322 + 24 * 4, 329, 323 + 24 * 5, 329, red}));
    EXPECT_TRUE(Has(H().Pic_Scherm, {322 + 24 * 3, 329, 323 + 24 * 4, 329, QBColor(8)}));
}

// The game screen as the window shows it: its picture with the lines drawn on it,
// then (with the strips) each score strip on top, its picture with its own lines
// clipped to it. The strips hide what the screen has drawn beneath them.
Picture Render_Screen(Hoofdvenster& h, bool with_strips) {
    Picture screen;
    std::string error;
    EXPECT_TRUE(Read_Shown_Picture(h.Pic_Scherm, h.App_Folder, screen, error)) << error;
    Render_Lines(screen, h.Pic_Scherm, 0, 0);
    for (int i = 0; with_strips && i < 4; ++i) {
        const Control& s = h.Pic_Score(i);
        Picture strip;
        EXPECT_TRUE(Read_Shown_Picture(s, h.App_Folder, strip, error)) << error;
        EXPECT_EQ(strip.Width, s.Width);
        EXPECT_EQ(strip.Height, s.Height);
        Paint_Picture(screen, strip, s.Left, s.Top);
        Render_Lines(screen, s, s.Left, s.Top, s.Width, s.Height);
    }
    return screen;
}

// The pixels where two renders of the screen differ, as "(x,y)" for the message.
std::string Differing_Pixels(const Picture& a, const Picture& b, int& count) {
    std::string where;
    count = 0;
    for (int y = 0; y < a.Height; ++y)
        for (int x = 0; x < a.Width; ++x)
            if (a.At(x, y) != b.At(x, y) && ++count <= 8)
                where += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    return where;
}

// Drawing the prize frames and erasing them at the same red level gives back the
// pixels the window showed, and on the screen's own picture (also where the strips
// cover it) the panel's frame colours.
TEST_F(Star_Game, EraseRestoresThePanelPixels) {
    Clear_Drawing();
    const Picture untouched[2] = {Render_Screen(H(), false), Render_Screen(H(), true)};
    ASSERT_EQ(untouched[0].Width, 640);
    ASSERT_EQ(untouched[0].Height, 480);
    for (int r = 1; r <= 9; ++r) {
        for (bool two : {false, true}) {
            SCOPED_TRACE("red " + std::to_string(r) + (two ? ", two stars" : ", three stars"));
            Clear_Drawing();
            H().Red_Level = To_Integer(r);
            H().Two_Stars_Feature = two;
            H().Three_Stars_Feature = !two;
            H().Set_Sterspel_Info();
            for (bool strips : {false, true}) {
                SCOPED_TRACE(strips ? "as the window shows it" : "the screen's own picture");
                int differ = 0;
                Differing_Pixels(Render_Screen(H(), strips), untouched[strips], differ);
                EXPECT_GT(differ, 0) << "the frames show";
            }
            H().Remove_Sterspel_Info();
            for (bool strips : {false, true}) {
                SCOPED_TRACE(strips ? "as the window shows it" : "the screen's own picture");
                int differ = 0;
                const std::string where =
                    Differing_Pixels(Render_Screen(H(), strips), untouched[strips], differ);
                EXPECT_EQ(differ, 0) << "pixels left changed: " << where;
            }
        }
    }
}

}  // namespace
}  // namespace plonk::test
