#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/game_setup.h"

namespace plonk::test {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

// ------------------------------------------------------- held buttons

// A game after its fifth ball, open for investing, all levels at 1: an invest lifts
// the levels to 2 without a draw, an extra-ball request spends a point and draws.
void Both_Spendings_Act(Hoofdvenster& h) {
    Game_Under_Way(h, 1);
    h.Balls_Played = 5;
    h.Main_Score = 50;
}

TEST(ControlsHeld, PressActsAtOnceAndHoldsTheButton) {
    for (bool f1 : {true, false}) {
        SCOPED_TRACE(f1 ? "Knop_F1" : "Knop_F2");
        Machine m;
        m.Load();
        Both_Spendings_Act(*m.M);
        m->Rng.Queue(0.0);
        m.Tk.Log.clear();
        if (f1)
            m->Knop_F1_MouseDown(1, 0, 3, 3);
        else
            m->Knop_F2_MouseDown(2, 0, 3, 3);
        EXPECT_EQ(m->Main_Score, 49);
        EXPECT_EQ(m->Yellow_Level, f1 ? 2 : 1) << "invested";
        EXPECT_EQ(m->Rng.Queued(), f1 ? 1u : 0u) << "an extra ball drawn";
        EXPECT_TRUE(f1 ? m->F1_Held : m->F2_Held);
        EXPECT_FALSE(f1 ? m->F2_Held : m->F1_Held);
        EXPECT_TRUE(m->Timer2.Enabled);
        // While held, the release repaints, sets the buttons and moves the focus.
        EXPECT_EQ(m.Tk.Count("refresh"), 0);
    }
}

// Each tick runs the invest while Knop_F1 is held, then the extra-ball request
// while Knop_F2 is held. The forced draw wins the extra ball only once the invest
// has lifted the levels (one chance in 15 instead of 9): the invest came first.
TEST(ControlsHeld, TimerRepeatsTheHeldActions) {
    const struct { bool f1, f2; } cases[] = {{true, false}, {false, true}, {true, true}, {false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("F1 held ") + (c.f1 ? "yes" : "no") + ", F2 held " + (c.f2 ? "yes" : "no"));
        Machine m;
        m.Load();
        Both_Spendings_Act(*m.M);
        m->F1_Held = c.f1;
        m->F2_Held = c.f2;
        m->Rng.Queue(Pick(6, 15));
        m.Tk.Log.clear();
        for (int tick = 1; tick <= 2; ++tick) {
            SCOPED_TRACE(tick);
            m->Timer2_Timer();
            if (tick == 1) {
                EXPECT_EQ(m->Yellow_Level, c.f1 ? 2 : 1);
                EXPECT_EQ(m->Rng.Queued(), c.f2 ? 0u : 1u);
                EXPECT_EQ(m->Balls_In_Game, c.f1 && c.f2 ? 6 : 5);
                // Only the buttons' release repaints.
                EXPECT_EQ(m.Tk.Count("refresh"), 0);
            }
            EXPECT_EQ(m->Main_Score, 50 - tick * (c.f1 + c.f2));
        }
        if (!c.f1 && !c.f2) {
            EXPECT_TRUE(m.Tk.Log.empty());
        }
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
    m.Tk.Log.clear();
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

// Every tip marker shown stands on a hole.
bool Markers_On_Holes(Hoofdvenster& h) {
    for (int i = 0; i <= 2; ++i) {
        bool on_hole = false;
        for (int hole = 1; hole <= 25; ++hole)
            on_hole = on_hole || (h.Tip(i).Left == h.Hole_X(hole) && h.Tip(i).Top == h.Hole_Y(hole));
        if (h.Tip(i).Visible && !on_hole) return false;
    }
    return true;
}

// Each box runs its procedure, which reads the box, then repaints, sets the buttons
// and gives Command2 the focus.
TEST(ControlsChecks, EachBoxRunsItsProcedure) {
    using Click = void (*)(Hoofdvenster&);
    using Seen = bool (*)(Hoofdvenster&);
    const struct {
        const char* box;
        int value;  // the box's value after the click
        Click click;
        int refreshes;  // besides the count-up's, which repaints for every point it counts
        Seen seen;
    } cases[] = {
        // The sound player reads the box at every request: no procedure runs.
        {"Option1", 0, [](Hoofdvenster& h) { h.Option1_Click(); }, 0,
         [](Hoofdvenster& h) { return !h.Yellow_Got3 && h.Tip(0).Visible && h.Tip(0).Left == -1; }},
        // Tips off: the markers go and the lines cannot be set to a tip.
        {"Check1", 0, [](Hoofdvenster& h) { h.Check1_Click(); }, 1,
         [](Hoofdvenster& h) { return !h.Tip(0).Visible && !h.Tip(2).Visible && !h.Command1.Enabled; }},
        // Tips on: the search shows its notice and repaints, then the best hole
        // gets its marker and the notice goes.
        {"Check1", 1, [](Hoofdvenster& h) { h.Check1_Click(); }, 3,
         [](Hoofdvenster& h) { return !h.Calc_Tip.Visible && h.Tip(0).Visible && Markers_On_Holes(h); }},
        // Scanning off: the row stays unpaid.
        {"Check2", 0, [](Hoofdvenster& h) { h.Check2_Click(); }, 1,
         [](Hoofdvenster& h) { return !h.Yellow_Got3 && h.Main_Score == 500; }},
        // Scanning on: the row is collected.
        {"Check2", 1, [](Hoofdvenster& h) { h.Check2_Click(); }, 1,
         [](Hoofdvenster& h) { return h.Yellow_Got3 && h.Main_Score > 500; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " to " + std::to_string(c.value));
        Machine m;
        m.Tk.Check_Pictures = false;
        m.Load();
        // The fourth ball has landed with a yellow row lit; markers and the
        // set-lines button are left from an earlier tip.
        Game_Under_Way(*m.M);
        m->Balls_Played = 4;
        Light_Cells(*m.M, {{0, 0}, {0, 1}, {0, 2}});
        for (int i = 0; i <= 2; ++i) {
            m->Tip(i).Visible = true;
            m->Tip(i).Left = m->Tip(i).Top = -1;
        }
        m->Command1.Enabled = true;
        Control& box = std::string(c.box) == "Option1"  ? m->Option1
                       : std::string(c.box) == "Check1" ? m->Check1
                                                        : m->Check2;
        box.Value = c.value;
        m->Focus = c.box;
        m->Knop_S.Enabled = false;
        m.Tk.Log.clear();
        c.click(*m.M);
        EXPECT_TRUE(c.seen(*m.M));
        const int counted = static_cast<int>(m->Main_Score - 500);
        EXPECT_EQ(m.Tk.Count("refresh"), c.refreshes + counted);
        EXPECT_TRUE(m->Knop_S.Enabled) << "the buttons follow the fourth ball";
        EXPECT_EQ(m->Focus, "Command2");
    }
}

}  // namespace
}  // namespace plonk::test
