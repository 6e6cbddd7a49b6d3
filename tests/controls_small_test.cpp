#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/machine.h"
#include "support/observe.h"

namespace plonk::test {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

// ------------------------------------------------------- held buttons

TEST(ControlsHeld, PressActsAtOnceAndHoldsTheButton) {
    const struct {
        bool f1;
        const char* action;
    } cases[] = {{true, "Invest_Points"}, {false, "Request_Extra_Ball"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        Machine m;
        m.Load();
        auto press = [&] {
            if (c.f1)
                m->Knop_F1_MouseDown(1, 0, 3, 3);
            else
                m->Knop_F2_MouseDown(2, 0, 3, 3);
        };
        const std::string reached = Reached(press);
        EXPECT_TRUE(c.f1 ? m->F1_Held : m->F2_Held);
        EXPECT_FALSE(c.f1 ? m->F2_Held : m->F1_Held);
        if (reached == c.action) continue;  // the action is not built yet: it was reached
        EXPECT_EQ(reached, "");
        EXPECT_TRUE(m->Timer2.Enabled);
    }
}

TEST(ControlsHeld, TimerRepeatsTheHeldActions) {
    const struct {
        bool f1, f2;
        const char* first;
    } cases[] = {{true, false, "Invest_Points"},
                 {false, true, "Request_Extra_Ball"},
                 {true, true, "Invest_Points"},
                 {false, false, ""}};
    for (const auto& c : cases) {
        Machine m;
        m.Load();
        m->F1_Held = c.f1;
        m->F2_Held = c.f2;
        m.Tk.Log.clear();
        EXPECT_EQ(Reached([&] { m->Timer2_Timer(); }), c.first) << c.f1 << c.f2;
    }
}

TEST(ControlsHeld, ReleaseOrLostFocusStopsTheTimer) {
    using Release = void (*)(Hoofdvenster&);
    const struct {
        const char* how;
        Release release;
        bool f1;
    } cases[] = {
        {"F1 up", [](Hoofdvenster& h) { h.Knop_F1_MouseUp(1, 0, 0, 0); }, true},
        {"F1 lost focus", [](Hoofdvenster& h) { h.Knop_F1_LostFocus(); }, true},
        {"F2 up", [](Hoofdvenster& h) { h.Knop_F2_MouseUp(1, 0, 0, 0); }, false},
        {"F2 lost focus", [](Hoofdvenster& h) { h.Knop_F2_LostFocus(); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Machine m;
        m.Load();
        m->F1_Held = m->F2_Held = true;
        m->Timer2.Enabled = true;
        m->Focus = c.f1 ? "Knop_F1" : "Knop_F2";
        // Credits bought while held: the button state is brought up to date now.
        m->Main_Score = 20;
        m->Knop_F1.Enabled = false;
        m.Tk.Log.clear();
        c.release(*m.M);
        EXPECT_FALSE(m->Timer2.Enabled);  // both buttons share the timer
        EXPECT_FALSE(c.f1 ? m->F1_Held : m->F2_Held);
        EXPECT_TRUE(c.f1 ? m->F2_Held : m->F1_Held);
        EXPECT_EQ(m.Tk.Log, std::vector<std::string>{"refresh"});
        EXPECT_TRUE(m->Knop_F1.Enabled);
        EXPECT_EQ(m->Focus, "Command2");
    }
}

// ------------------------------------------------------- start speed

TEST(ControlsSpeed, EachStepDrawsItsRowOrNothingAtTheLimit) {
    const struct {
        Integer from;
        bool raise;
        Integer to;
        int row;  // -1: nothing drawn
    } cases[] = {
        {70, true, 71, 15},  {99, true, 100, 0},  {100, true, 100, -1}, {38, true, 39, 31},
        {39, true, 40, 30},  {70, false, 69, 15}, {39, false, 38, 30},  {38, false, 38, -1},
        {100, false, 99, 0}, {41, false, 40, 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + (c.raise ? " up" : " down"));
        Machine m;
        m.Load();
        m->Start_Speed = c.from;
        m->Focus = "Knop_Bal";
        m->Knop_S.Enabled = true;  // no ball played: Set_Keys disables it
        if (c.raise)
            m->Knop_KrachtOmhoog_Click();
        else
            m->Knop_KrachtOmlaag_Click();
        EXPECT_EQ(m->Start_Speed, c.to);
        if (c.row < 0) {
            EXPECT_TRUE(m->Pic_Kracht.Lines.empty());
        } else {
            EXPECT_EQ(m->Pic_Kracht.Lines,
                      (std::vector<Drawn_Line>{{0, c.row, 10, c.row, c.raise ? kRed : kBlue}}));
        }
        EXPECT_FALSE(m->Knop_S.Enabled);
        EXPECT_EQ(m->Focus, "Command2");
    }
}

// The colour each row of the indicator shows: the last line drawn over it, or the
// indicator's picture at 70, which is red from row 15 down.
std::vector<bool> Red_Rows(const Control& kracht) {
    std::vector<bool> red(31);
    for (int r = 0; r <= 30; ++r) red[static_cast<size_t>(r)] = r >= 15;
    for (const Drawn_Line& l : kracht.Lines)
        if (l.Y1 >= 0 && l.Y1 <= 30) red[static_cast<size_t>(l.Y1)] = l.Color == kRed;
    return red;
}

// Row r is red exactly while the start speed is 100 - 2r or more, whatever way
// the speed got there.
TEST(ControlsSpeed, IndicatorIsARedBarGrowingFromTheBottom) {
    Machine m;
    m.Load();
    const struct {
        bool raise;
        int times;
    } moves[] = {{true, 40}, {false, 70}, {true, 17}, {false, 3}, {true, 1}, {false, 1}, {true, 50}};
    for (const auto& mv : moves) {
        for (int i = 0; i < mv.times; ++i) {
            if (mv.raise)
                m->Knop_KrachtOmhoog_Click();
            else
                m->Knop_KrachtOmlaag_Click();
            const std::vector<bool> red = Red_Rows(m->Pic_Kracht);
            for (int r = 0; r <= 30; ++r)
                ASSERT_EQ(red[static_cast<size_t>(r)], m->Start_Speed >= 100 - 2 * r)
                    << "row " << r << " at speed " << m->Start_Speed;
        }
    }
    EXPECT_EQ(m->Start_Speed, 100);
}

TEST(ControlsSpeed, ButtonSoundPlaysAlsoAtTheLimit) {
    Machine m;
    m.Load();
    if (!Sound_Player_Built(m)) GTEST_SKIP() << "no sound player in this build";
    m->Start_Speed = 100;
    m->Knop_KrachtOmhoog_Click();
    m->Start_Speed = 38;
    m->Knop_KrachtOmlaag_Click();
    m->Knop_KrachtOmhoog_Click();
    EXPECT_EQ(m.Tk.Count("sound 3"), 3);
}

// ------------------------------------------------------- slider and its menu

TEST(ControlsSlider, ChangeSetsTheBallSpeed) {
    Machine m;
    m.Load();
    EXPECT_EQ(m->Slider1.Value, 50);
    EXPECT_EQ(m->Ball_Speed, 50);
    m->Slider1.Value = 80;
    m->Focus = "Slider1";
    m->Knop_S.Enabled = true;
    m->Slider1_Change();
    EXPECT_EQ(m->Ball_Speed, 80);
    EXPECT_EQ(m->Focus, "Command2");
    EXPECT_FALSE(m->Knop_S.Enabled);
}

TEST(ControlsSlider, RightReleaseOpensTheOffsetMenu) {
    const struct {
        Integer offset;
        bool inc, dec;
    } cases[] = {{1, true, false}, {10, false, true}, {5, true, true},
                 {0, true, true},  {11, true, true},  {-3, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        Machine m;
        m.Load();
        m->Ball_Speed_Offset = c.offset;
        m->Mnu_BallSpeedOffsetInc.Enabled = false;
        m->Mnu_BallSpeedOffsetDec.Enabled = false;
        m.Tk.Log.clear();
        m->Slider1_MouseUp(2, 0, 10, 4);
        EXPECT_EQ(m->Mnu_BallSpeedOffsetInc.Enabled, c.inc);
        EXPECT_EQ(m->Mnu_BallSpeedOffsetDec.Enabled, c.dec);
        EXPECT_EQ(m.Tk.Log, std::vector<std::string>{"popup dummie01"});
    }
}

TEST(ControlsSlider, OtherButtonsOpenNoMenu) {
    for (int button : {1, 4}) {
        Machine m;
        m.Load();
        m->Ball_Speed_Offset = 1;
        m.Tk.Log.clear();
        m->Slider1_MouseUp(button, 0, 10, 4);
        EXPECT_TRUE(m.Tk.Log.empty());
        EXPECT_TRUE(m->Mnu_BallSpeedOffsetDec.Enabled);
    }
}

TEST(ControlsSlider, MenuItemsStepTheOffsetByOne) {
    const struct {
        Integer from;
        bool inc;
        Integer to;
    } cases[] = {
        {5, true, 6},
        {5, false, 4},
        {10, true, 11},  // the items test no limit of their own
        {1, false, 0},
        {32767, true, 32767},  // but never past the ends of the number
        {-32768, false, -32768},
    };
    for (const auto& c : cases) {
        Machine m;
        m->Ball_Speed_Offset = c.from;
        if (c.inc)
            m->Mnu_BallSpeedOffsetInc_Click();
        else
            m->Mnu_BallSpeedOffsetDec_Click();
        EXPECT_EQ(m->Ball_Speed_Offset, c.to) << c.from << (c.inc ? " up" : " down");
    }
}

// ------------------------------------------------------- check boxes

TEST(ControlsChecks, EachBoxRunsItsProcedure) {
    using Click = void (*)(Hoofdvenster&);
    const struct {
        const char* box;
        Click click;
        const char* reached;
    } cases[] = {
        {"Option1", [](Hoofdvenster& h) { h.Option1_Click(); }, ""},
        {"Check1", [](Hoofdvenster& h) { h.Check1_Click(); }, "Set_Tip"},
        {"Check2", [](Hoofdvenster& h) { h.Check2_Click(); }, "Auto_Scan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        Machine m;
        m.Load();
        m->Focus = c.box;
        m->Knop_S.Enabled = true;
        m.Tk.Log.clear();
        const std::string reached = Reached([&] { c.click(*m.M); });
        if (reached != "") {
            EXPECT_EQ(reached, c.reached);  // the procedure it runs is not built yet
            continue;
        }
        EXPECT_EQ(m.Tk.Count("refresh"), std::string(c.box) == "Option1" ? 0 : 1);
        EXPECT_FALSE(m->Knop_S.Enabled);
        EXPECT_EQ(m->Focus, "Command2");
    }
}

}  // namespace
}  // namespace plonk::test
