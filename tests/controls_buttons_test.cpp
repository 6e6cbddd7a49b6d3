#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "machine/procedures.h"
#include "support/game_setup.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

// The game buttons Set_Keys decides on, as one letter each when enabled:
// "1" Knop_F1, "2" Knop_F2, "ABCDE" the lines, "S" Knop_S, "G" Knop_2.
std::string Enabled_Buttons(Hoofdvenster& h) {
    const struct {
        const Control* c;
        char mark;
    } buttons[] = {{&h.Knop_F1, '1'}, {&h.Knop_F2, '2'}, {&h.Knop_A, 'A'}, {&h.Knop_B, 'B'}, {&h.Knop_C, 'C'},
                   {&h.Knop_D, 'D'},  {&h.Knop_E, 'E'},  {&h.Knop_S, 'S'}, {&h.Knop_2, 'G'}};
    std::string on;
    for (const auto& b : buttons)
        if (b.c->Enabled) on += b.mark;
    return on;
}

void Set_All_Game_Buttons(Hoofdvenster& h, bool enabled) {
    for (Control* c : {&h.Knop_F1, &h.Knop_F2, &h.Knop_A, &h.Knop_B, &h.Knop_C, &h.Knop_D, &h.Knop_E,
                       &h.Knop_S, &h.Knop_2})
        c->Enabled = enabled;
}

struct Keys_Case {
    const char* state;
    bool invest_open, game_over;
    Long credits;
    Integer balls;
    bool fifth;
    Integer line_level;
    Integer flags;
    const char* enabled;
};

TEST(ControlsButtons, SetKeysFollowsTheRuleTable) {
    const Keys_Case cases[] = {
        {"start-up, no credits", false, true, 0, 0, false, 0, 0, ""},
        {"start-up with credits", false, true, 5, 0, false, 0, 0, "1"},
        {"investing open", true, false, 1, 0, false, 9, 0, "1"},
        {"investing open, no credits", true, false, 0, 0, false, 9, 0, ""},
        {"game runs, investing closed", false, false, 100, 1, false, 5, 0, ""},
        {"one ball, line level 8", false, false, 100, 1, false, 8, 0, "ABC"},
        {"three balls, line level 10", false, false, 100, 3, false, 10, 0, "ABCDE"},
        {"line level 6", false, false, 100, 2, false, 6, 0, "A"},
        {"line level 5", false, false, 100, 2, false, 5, 0, ""},
        {"four balls, no fifth-ball feature", false, false, 100, 4, false, 10, 0, "S"},
        {"four balls, fifth-ball feature", false, false, 100, 4, true, 10, 0, "ABCDES"},
        {"five balls, fifth-ball feature", false, false, 100, 5, true, 10, 0, "2S"},
        {"four balls, four flags", false, false, 100, 4, false, 0, 4, "SG"},
        {"three balls, four flags", false, false, 100, 3, false, 0, 4, ""},
        {"five balls", false, false, 100, 5, false, 0, 3, "2S"},
        {"nine balls", false, false, 100, 9, false, 0, 0, "2S"},
        {"ten balls, game over", false, true, 100, 10, false, 0, 4, "1SG"},
        {"flags above four count as four", false, false, 100, 4, false, 0, 7, "SG"},
        {"negative flags count as none", false, false, 100, 4, false, 0, -1, "S"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        for (bool before : {false, true}) {
            Machine m;
            Set_All_Game_Buttons(*m.M, before);
            m->Invest_Open = c.invest_open;
            m->Game_Over = c.game_over;
            m->Main_Score = c.credits;
            m->Balls_Played = c.balls;
            m->Fifth_Ball = c.fifth;
            m->Line_Level = c.line_level;
            m->Flags_Count = c.flags;
            m->Set_Keys();
            EXPECT_EQ(Enabled_Buttons(*m.M), c.enabled) << "buttons before: " << before;
        }
    }
}

TEST(ControlsButtons, SetKeysOnlyEverShowsTheGreenDouble) {
    const struct {
        Integer flags;
        bool active, shown_before, shown_after;
    } cases[] = {
        {4, false, false, true},  {4, true, false, false}, {3, false, true, true},
        {3, false, false, false}, {5, false, false, true}, {0, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        Machine m;
        m->Flags_Count = c.flags;
        m->Green_Double_Active = c.active;
        m->Pic_Dubbel.Visible = c.shown_before;
        m->Set_Keys();
        EXPECT_EQ(m->Pic_Dubbel.Visible, c.shown_after);
        EXPECT_EQ(m->Green_Double_Active, c.active);
    }
}

// ------------------------------------------------------- what the keys run

// What a press is measured against: the state right before it.
struct Before {
    Long credits, stake;
    Integer speed;
    std::array<Integer, 5> lines;
};

Before Take_Before(Hoofdvenster& h) {
    return {h.Main_Score,
            h.Stake_Score,
            h.Start_Speed,
            {h.Line_Pos(0), h.Line_Pos(1), h.Line_Pos(2), h.Line_Pos(3), h.Line_Pos(4)}};
}

// States in which an action, when run, leaves a trace that nothing else leaves.
void No_Game(Hoofdvenster& h) { h.Main_Score = 50; }
void Game_Ended(Hoofdvenster& h) {
    Game_Under_Way(h);
    h.Game_Over = true;
    h.Invest_Open = false;
    h.Balls_Played = 5;
}
void Lines_Movable(Hoofdvenster& h) {
    Game_Under_Way(h);
    h.Balls_Played = 1;
    h.Line_Level = 10;
}
void Four_Flags(Hoofdvenster& h) {
    Game_Under_Way(h);
    h.Balls_Played = 4;
    h.Flags_Count = 4;
}
void Row_To_Collect(Hoofdvenster& h) {
    Game_Under_Way(h);
    h.Balls_Played = 4;
    h.Check2.Value = 0;  // a ball that lands scans nothing by itself
    Light_Cells(h, {{0, 0}, {0, 1}, {0, 2}});
}
void Ball_Waiting(Hoofdvenster& h) { Game_Under_Way(h); }

// One action behind the keys: the state to press in and the trace it leaves there.
struct Action {
    const char* name;
    void (*stage)(Hoofdvenster&);
    bool (*shown)(const Before&, Machine&, const std::string& not_built);
};

bool Line_Moved(const Before& b, Machine& m, int line) { return m->Line_Pos(line) != b.lines[line]; }

const Action kActions[] = {
    // A point charged that started a new game.
    {"Invest_Points", No_Game,
     [](const Before& b, Machine& m, const std::string&) {
         return m->Main_Score == b.credits - 1 && m->Invest_Open && !m->Game_Over;
     }},
    // A point charged after the game, without starting a new one.
    {"Request_Extra_Ball", Game_Ended,
     [](const Before& b, Machine& m, const std::string&) {
         return m->Main_Score == b.credits - 1 && !m->Invest_Open;
     }},
    {"Knop_2_Click", Four_Flags,
     [](const Before&, Machine& m, const std::string&) { return m->Green_Double_Active; }},
    {"Knop_A_Click", Lines_Movable,
     [](const Before& b, Machine& m, const std::string&) { return Line_Moved(b, m, 0); }},
    {"Knop_B_Click", Lines_Movable,
     [](const Before& b, Machine& m, const std::string&) { return Line_Moved(b, m, 1); }},
    {"Knop_C_Click", Lines_Movable,
     [](const Before& b, Machine& m, const std::string&) { return Line_Moved(b, m, 2); }},
    {"Knop_D_Click", Lines_Movable,
     [](const Before& b, Machine& m, const std::string&) { return Line_Moved(b, m, 3); }},
    {"Knop_E_Click", Lines_Movable,
     [](const Before& b, Machine& m, const std::string&) { return Line_Moved(b, m, 4); }},
    {"Knop_S_Click", Row_To_Collect,
     [](const Before&, Machine& m, const std::string&) { return m->Yellow_Got3; }},
    // The shot sound.
    {"Knop_Bal_Click", Ball_Waiting,
     [](const Before&, Machine& m, const std::string&) { return m.Tk.Count("sound 10") > 0; }},
    {"Knop_P_Click", No_Game,
     [](const Before& b, Machine& m, const std::string&) { return m->Stake_Score == b.stake + 100; }},
    {"Knop_KrachtOmhoog_Click", No_Game,
     [](const Before& b, Machine& m, const std::string&) { return m->Start_Speed == b.speed + 1; }},
    {"Knop_KrachtOmlaag_Click", No_Game,
     [](const Before& b, Machine& m, const std::string&) { return m->Start_Speed == b.speed - 1; }},
};

// A loaded machine in the given state, with every game button enabled and both
// spending buttons held, or none.
void Prepare(Machine& m, void (*stage)(Hoofdvenster&), bool all) {
    m.Tk.Check_Pictures = false;
    m.Load();
    m->Rng.Fix_Seed(1);
    stage(*m.M);
    Set_All_Game_Buttons(*m.M, all);
    m->F1_Held = m->F2_Held = all;
    m.Tk.Log.clear();
}

// Types the key; answers the procedure not built yet that it reached (none is left).
std::string Type_Key(Machine& m, Integer& key) {
    m->Form_KeyPress(key);
    return "";
}

struct Key_Case {
    char key;
    const char* with_all_enabled;  // action run with every game button enabled and both held
    const char* with_none;         // action run with every game button disabled, none held
};

// Every key is typed in every action's state: exactly the action of the key table
// leaves its trace, and no other.
TEST(ControlsButtons, EachKeyRunsItsButtonWhenThatIsEnabled) {
    const Key_Case cases[] = {
        {'i', "Invest_Points", ""},
        {'I', "Invest_Points", ""},
        {'x', "Request_Extra_Ball", ""},
        {'X', "Request_Extra_Ball", ""},
        {'2', "Knop_2_Click", ""},
        {'o', "Knop_Bal_Click", "Knop_Bal_Click"},
        {'O', "Knop_Bal_Click", "Knop_Bal_Click"},
        {'a', "Knop_A_Click", ""},
        {'A', "Knop_A_Click", ""},
        {'b', "Knop_B_Click", ""},
        {'B', "Knop_B_Click", ""},
        {'c', "Knop_C_Click", ""},
        {'C', "Knop_C_Click", ""},
        {'d', "Knop_D_Click", ""},
        {'D', "Knop_D_Click", ""},
        {'e', "Knop_E_Click", ""},
        {'E', "Knop_E_Click", ""},
        {'p', "Knop_P_Click", "Knop_P_Click"},
        {'P', "Knop_P_Click", "Knop_P_Click"},
        {'s', "Knop_S_Click", ""},
        {'S', "Knop_S_Click", ""},
        {'+', "Knop_KrachtOmhoog_Click", "Knop_KrachtOmhoog_Click"},
        {'-', "Knop_KrachtOmlaag_Click", "Knop_KrachtOmlaag_Click"},
        {'q', "", ""},
        {'z', "", ""},
        {' ', "", ""},
        {'1', "", ""},
        {'3', "", ""},
        {'\r', "", ""},
    };
    std::vector<void (*)(Hoofdvenster&)> stages;
    for (const Action& a : kActions)
        if (std::find(stages.begin(), stages.end(), a.stage) == stages.end()) stages.push_back(a.stage);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("key ") + c.key);
        const bool pausing = std::string("iIxX").find(c.key) != std::string::npos;
        for (bool all : {true, false}) {
            SCOPED_TRACE(all ? "all enabled" : "none enabled");
            const std::string expected = all ? c.with_all_enabled : c.with_none;
            for (auto stage : stages) {
                Machine m;
                Prepare(m, stage, all);
                const Before before = Take_Before(*m.M);
                Integer key = c.key;
                const std::string not_built = Type_Key(m, key);
                EXPECT_TRUE(not_built.empty() || not_built == "Knop_Bal_Click") << not_built;
                for (const Action& a : kActions) {
                    if (a.stage == stage) {
                        EXPECT_EQ(a.shown(before, m, not_built), expected == a.name) << a.name;
                    }
                }
                EXPECT_EQ(key, c.key);
                // The pause follows the spending keys whenever their action ran.
                EXPECT_EQ(m.Tk.Count("sleep 200"), pausing && all ? 1 : 0);
                if (expected.empty()) {
                    EXPECT_TRUE(m.Tk.Log.empty());
                }
            }
        }
    }
}

// The line keys run the line's move when its button is enabled, and nothing else.
TEST(ControlsButtons, LineKeysMoveTheirLineWhenTheButtonIsEnabled) {
    for (char key : std::string("aAbBcCdDeE")) {
        const int line = (key | 0x20) - 'a';
        SCOPED_TRACE(std::string("key ") + key);
        for (bool all : {true, false}) {
            Machine m;
            m.Load();
            m->Line_Level = 10;
            m->Balls_Played = 1;
            Set_All_Game_Buttons(*m.M, all);
            Integer k = key;
            m->Form_KeyPress(k);
            for (int l = 0; l <= 4; ++l) EXPECT_EQ(m->Line_Pos(l), all && l == line ? 2 : 1) << "line " << l;
        }
    }
}

// "i" and "x" act only while their button is enabled and held with the mouse.
TEST(ControlsButtons, HeldKeysNeedTheButtonEnabledAndHeld) {
    const struct {
        char key;
        bool enabled, held;
        bool acts;
    } cases[] = {
        {'i', true, true, true}, {'i', true, false, false}, {'i', false, true, false},
        {'x', true, true, true}, {'x', true, false, false}, {'x', false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("key ") + c.key + (c.enabled ? " enabled" : "") + (c.held ? " held" : ""));
        const Action& action = c.key == 'i' ? kActions[0] : kActions[1];
        Machine m;
        Prepare(m, action.stage, false);
        Control& button = c.key == 'i' ? m->Knop_F1 : m->Knop_F2;
        bool& held = c.key == 'i' ? m->F1_Held : m->F2_Held;
        button.Enabled = c.enabled;
        held = c.held;
        const Before before = Take_Before(*m.M);
        Integer key = c.key;
        m->Form_KeyPress(key);
        EXPECT_EQ(action.shown(before, m, ""), c.acts);
        if (!c.acts) {
            EXPECT_TRUE(m.Tk.Log.empty());
        }
    }
}

TEST(ControlsButtons, InvestKeyPausesAfterInvesting) {
    Machine m;
    m.Load();
    m->Main_Score = 50;
    m->Set_Keys();
    ASSERT_TRUE(m->Knop_F1.Enabled);
    m->F1_Held = true;
    m.Tk.Log.clear();
    Integer key = 'i';
    m->Form_KeyPress(key);
    EXPECT_EQ(m->Main_Score, 49);
    EXPECT_EQ(m.Tk.Count("sleep 200"), 1);
    EXPECT_EQ(m.Tk.Log.back(), "sleep 200");
}

TEST(ControlsButtons, PlusAndMinusKeysMoveTheStartSpeed) {
    Machine m;
    m.Load();
    Integer plus = '+', minus = '-';
    m->Form_KeyPress(plus);
    m->Form_KeyPress(plus);
    EXPECT_EQ(m->Start_Speed, 72);
    m->Form_KeyPress(minus);
    EXPECT_EQ(m->Start_Speed, 71);
    // Rows 15 and 14 turned red; lowering turned row 14 blue again.
    EXPECT_EQ(m->Pic_Kracht.Lines,
              (std::vector<Drawn_Line>{{0, 15, 10, 15, 0xFF0000}, {0, 14, 10, 14, 0x0000FF}}));
    EXPECT_EQ(m.Tk.Count("sleep 200"), 0);
}

}  // namespace
}  // namespace plonk::test

namespace plonk::test {
namespace {

// Every event names a control of the machine and runs the procedure named after it;
// an event whose control or procedure is missing is told, and firing an event the
// machine does not have fails loudly.
TEST(ControlsButtons, EveryEventHasItsControlAndItsProcedure) {
    Machine m;
    EXPECT_EQ(Event_Faults(*m.M, Window_Events()), "");
    const Window_Event strays[] = {
        {"Knop_Z", Event_Kind::Click, Window_Events()[0].Run},
        {"Knop_Bal", Event_Kind::Timer, Window_Events()[0].Run},
        {"Knop_Bal", Event_Kind::Click, nullptr},
    };
    const std::string faults = Event_Faults(*m.M, strays);
    EXPECT_NE(faults.find("Knop_Z_Click: the machine has no control Knop_Z"), std::string::npos) << faults;
    EXPECT_NE(faults.find("Knop_Bal_Timer: the machine has no such procedure"), std::string::npos) << faults;
    EXPECT_NE(faults.find("Knop_Bal_Click: no procedure runs it"), std::string::npos) << faults;
    EXPECT_THROW(Fire(*m.M, "Knop_Bal", Event_Kind::Timer), std::invalid_argument);
}

}  // namespace
}  // namespace plonk::test
