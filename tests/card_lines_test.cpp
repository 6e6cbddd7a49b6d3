#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "card/lines.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

struct Lines : ::testing::Test {
    Machine m;
    void SetUp() override {
        m.Tk.Check_Pictures = false;  // lamps are judged by picture name
        m.Load();
        m->Line_Level = 10;
        m->Balls_Played = 1;
        m.Tk.Log.clear();
    }
    void Click(int line) {
        switch (line) {
            case 0:
                m->Knop_A_Click();
                break;
            case 1:
                m->Knop_B_Click();
                break;
            case 2:
                m->Knop_C_Click();
                break;
            case 3:
                m->Knop_D_Click();
                break;
            case 4:
                m->Knop_E_Click();
                break;
        }
    }
    std::vector<std::string> Pictures() {
        std::vector<std::string> p;
        for (int i = 0; i <= 49; ++i) p.push_back(m->Lites(i).Picture);
        return p;
    }
    std::vector<int> Positions() {
        std::vector<int> p;
        for (int line = 0; line <= 4; ++line) p.push_back(m->Line_Pos(line));
        return p;
    }
    int Sounds() {
        int n = 0;
        for (const std::string& e : m.Tk.Log) n += e.rfind("sound", 0) == 0 ? 1 : 0;
        return n;
    }
    // The log with only the repaints and the pauses.
    std::vector<std::string> Pacing() {
        std::vector<std::string> p;
        for (const std::string& e : m.Tk.Log)
            if (e == "refresh" || e.rfind("sleep", 0) == 0) p.push_back(e);
        return p;
    }
    static std::vector<std::string> Steps(int moves) {
        std::vector<std::string> p;
        for (int i = 0; i < moves; ++i) {
            p.push_back("refresh");
            p.push_back("sleep 500");
        }
        return p;
    }
};

TEST_F(Lines, EveryLineStepsBackAndForthFromRest) {
    for (int line = 0; line <= 4; ++line) {
        std::vector<int> seen;
        for (int press = 0; press < 5; ++press) {
            Click(line);
            seen.push_back(m->Line_Pos(line));
        }
        EXPECT_EQ(seen, (std::vector<int>{2, 1, 0, 1, 2})) << "line " << line;
    }
}

TEST_F(Lines, DirectionTurnsOnlyAtTheEnds) {
    struct Case {
        int pos, dir, new_pos, new_dir;
    } cases[] = {{1, 1, 2, -1}, {2, -1, 1, -1}, {1, -1, 0, 1}, {0, 1, 1, 1}};
    for (const Case& c : cases) {
        m->Line_Pos(2) = To_Integer(c.pos);
        m->Line_Dir(2) = To_Integer(c.dir);
        m->Knop_C_Click();
        EXPECT_EQ(m->Line_Pos(2), c.new_pos) << c.pos << "," << c.dir;
        EXPECT_EQ(m->Line_Dir(2), c.new_dir) << c.pos << "," << c.dir;
    }
}

TEST_F(Lines, AMoveRedrawsOnlyItsLineAndGivesTheFocusBack) {
    m->Hole_State(14) = 1;
    m->Set_Lites();
    const auto before = Pictures();
    m->Focus = "Knop_A";
    m->Knop_A_Click();
    EXPECT_EQ(m->Focus, "Command2");
    for (int i = 10; i <= 49; ++i) EXPECT_EQ(m->Lites(i).Picture, before[i]) << "lamp " << i;
    // Line A at 2 shows 14, 8, 6, 25, 6 | 8, 10, 11, 2, 5.
    EXPECT_EQ(Picture_Name(m->Lites(0)), "14-on.gif");
    EXPECT_EQ(Picture_Name(m->Lites(1)), "08-off-mid.gif");
    EXPECT_EQ(Picture_Name(m->Lites(6)), "10-off-mid.gif");
    EXPECT_EQ(Picture_Name(m->Lites(9)), "05-off.gif");
}

TEST_F(Lines, AMovePlaysTheLineSound) {
    m->Knop_D_Click();
    EXPECT_EQ(m.Tk.Count("sound 6"), 1);
}

TEST_F(Lines, OnlyLinesTheFeatureReachedMove) {
    for (int level = 0; level <= 10; ++level) {
        for (int line = 0; line <= 4; ++line) {
            m->Line_Level = To_Integer(level);
            m->Line_Pos(line) = 1;
            m->Line_Dir(line) = 1;
            Click(line);
            EXPECT_EQ(m->Line_Pos(line), level > line + 5 ? 2 : 1) << "level " << level << " line " << line;
        }
    }
}

TEST_F(Lines, LinesFreezeAtTheFourthOrFifthBall) {
    struct Case {
        bool fifth;
        int balls;
        bool moves;
    } cases[] = {{false, 0, true}, {false, 3, true}, {false, 4, false},
                 {true, 4, true},  {true, 5, false}, {true, 9, false}};
    for (const Case& c : cases) {
        m->Fifth_Ball = c.fifth;
        m->Balls_Played = To_Integer(c.balls);
        m->Line_Pos(0) = 1;
        m->Line_Dir(0) = 1;
        m->Knop_A_Click();
        EXPECT_EQ(m->Line_Pos(0), c.moves ? 2 : 1) << c.fifth << " " << c.balls;
        EXPECT_EQ(card::Line_May_Move(*m.M, 0, card::Line_Move::Click), c.moves);
    }
}

TEST_F(Lines, ARefusedMoveIsSilentAndChangesNothing) {
    m->Line_Level = 6;
    m->Hole_State(2) = 1;
    m->Set_Lites();
    const auto pictures = Pictures();
    m.Tk.Log.clear();
    m->Focus = "Knop_B";
    m->Knop_B_Click();
    EXPECT_EQ(Positions(), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_EQ(m->Line_Dir(1), 1);
    EXPECT_EQ(Pictures(), pictures);
    EXPECT_EQ(Sounds(), 0);
    EXPECT_TRUE(Pacing().empty());
    EXPECT_EQ(m->Focus, "Command2");
    // Line A is within the level and still moves.
    m->Knop_A_Click();
    EXPECT_EQ(m->Line_Pos(0), 2);
}

TEST_F(Lines, SetLinesMovesLineByLineWithAPauseAfterEveryMove) {
    struct Case {
        int code;
        std::vector<int> positions;
        int moves;
    } cases[] = {
        {121, {1, 1, 1, 1, 1}, 0},  // the rest position: nothing to do
        {242, {2, 2, 2, 2, 2}, 5},  // one step each
        {0, {0, 0, 0, 0, 0}, 15},   // 1 -> 2 -> 1 -> 0: three steps each
        {1 + 3 * 0 + 9 * 2 + 27 + 81, {1, 0, 2, 1, 1}, 4},
    };
    for (const Case& c : cases) {
        m->Reset_Lites();
        m.Tk.Log.clear();
        m->Tip_Line_Set = To_Integer(c.code);
        m->Command1_Click();
        EXPECT_EQ(Positions(), c.positions) << c.code;
        EXPECT_EQ(Pacing(), Steps(c.moves)) << c.code;
        EXPECT_EQ(m->Focus, "Command2");
    }
}

TEST_F(Lines, SetLinesWithoutATipMovesNothing) {
    m->Tip_Line_Set = -1;
    m->Command1_Click();
    EXPECT_EQ(Positions(), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_TRUE(Pacing().empty());
}

TEST_F(Lines, AutoLinesTakesTheShortWayFromWhereTheLinesStand) {
    // A at 0 moving +1 (two steps to 2), B at 2 moving -1 (two steps to 0), C at 1
    // moving -1 (one step to 0); D and E stay at rest.
    m->Line_Pos(0) = 0, m->Line_Dir(0) = 1;
    m->Line_Pos(1) = 2, m->Line_Dir(1) = -1;
    m->Line_Pos(2) = 1, m->Line_Dir(2) = -1;
    Integer code = 2 + 27 * 1 + 81 * 1;
    m->Auto_Lines(code);
    EXPECT_EQ(code, 2 + 27 + 81);
    EXPECT_EQ(Positions(), (std::vector<int>{2, 0, 0, 1, 1}));
    EXPECT_EQ(Pacing(), Steps(2 + 2 + 1));
}

TEST_F(Lines, ALineThatCannotMoveGetsThreeAttemptsAndStays) {
    // Level 6: only line A may move, yet the code asks every line for position 0.
    m->Line_Level = 6;
    Integer code = 0;
    m->Auto_Lines(code);
    EXPECT_EQ(Positions(), (std::vector<int>{0, 1, 1, 1, 1}));
    EXPECT_EQ(Pacing(), Steps(3 + 4 * 3));
    // After the 4th ball no line moves at all; the procedure still ends.
    m->Reset_Lites();
    m.Tk.Log.clear();
    m->Balls_Played = 4;
    code = 242;
    m->Auto_Lines(code);
    EXPECT_EQ(Positions(), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_EQ(Pacing(), Steps(5 * 3));
    EXPECT_EQ(Sounds(), 0);
}

TEST_F(Lines, CodesOutsideTheRangeMoveNothing) {
    for (Integer code : {Integer(-1), Integer(243), Integer(-121), Integer(32767)}) {
        m->Auto_Lines(code);
        EXPECT_EQ(Positions(), (std::vector<int>{1, 1, 1, 1, 1})) << code;
        EXPECT_TRUE(Pacing().empty()) << code;
    }
}

// ------------------------------------------------------------- indicators
struct Indicators {
    std::vector<bool> arrows, letters;
    bool fourth, fifth;
    bool operator==(const Indicators&) const = default;
};

Indicators Shown(Hoofdvenster& h) {
    Indicators s;
    for (int k = 0; k <= 4; ++k) {
        s.arrows.push_back(h.Pic_Pijl(k).Visible);
        s.letters.push_back(h.Pic_Letter(k).Visible);
    }
    s.fourth = h.Pic_4thBall.Visible;
    s.fifth = h.Pic_5thBall.Visible;
    return s;
}

TEST_F(Lines, IndicatorsFollowTheLineLevel) {
    const std::vector<bool> none(5, false), all(5, true);
    struct Case {
        int level;
        bool fifth;
        Indicators expected;
    } cases[] = {
        {0, false, {none, none, false, false}},
        {3, false, {{true, true, true, false, false}, none, false, false}},
        {5, true, {all, none, false, false}},
        {6, false, {all, {true, false, false, false, false}, true, false}},
        {7, false, {all, {true, true, false, false, false}, true, false}},
        {7, true, {all, {true, true, false, false, false}, false, true}},
        {10, true, {all, all, false, true}},
    };
    for (const Case& c : cases) {
        // A new game first hides everything.
        m->Line_Level = 0;
        m->Fifth_Ball = false;
        m->Set_Lijnen();
        m->Line_Level = To_Integer(c.level);
        m->Fifth_Ball = c.fifth;
        m->Set_Lijnen();
        EXPECT_EQ(Shown(*m.M), c.expected) << "level " << c.level << " fifth " << c.fifth;
    }
}

TEST_F(Lines, IndicatorsAboveTheLevelAreLeftAsTheyWere) {
    m->Line_Level = 8;
    m->Set_Lijnen();
    m->Line_Level = 2;
    m->Set_Lijnen();
    EXPECT_TRUE(m->Pic_Pijl(4).Visible);
    EXPECT_TRUE(m->Pic_Letter(2).Visible);
    m->Line_Level = 12;  // beyond the ten indicators
    m->Set_Lijnen();
    EXPECT_TRUE(m->Pic_Letter(4).Visible);
}

}  // namespace
}  // namespace plonk::test
