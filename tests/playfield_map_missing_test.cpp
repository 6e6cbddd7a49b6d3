// A board whose playfield map is missing or damaged: the start-up goes on as always,
// a shot returns the ball unplayed and tells the player (the message box once), and
// the game can still be closed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "support/machine.h"

namespace plonk::test {
namespace {

TEST(MapMissing, AShotReturnsTheBallAndTheGameCanBeClosed) {
    const std::string whole = Read_File(PLONK_BIN_DIR "/Veld.bmp");
    ASSERT_FALSE(whole.empty());
    const struct {
        const char* Name;
        std::function<void(const std::string& map)> Make;
        bool Missing;
    } cases[] = {
        {"missing", [](auto&) {}, true},
        {"cut short", [&whole](auto& map) { Write_File(map, whole.substr(0, whole.size() / 2)); }, true},
        {"a folder", [](auto& map) { std::filesystem::create_directory(map); }, true},
        {"whole", [&whole](auto& map) { Write_File(map, whole); }, false},
    };
    for (const auto& c : cases) {
        Machine m;
        m.Tk.Check_Pictures = false;
        m.Tk.Folder = m.Folder.Path() + "/";
        c.Make(m.Folder.File("Veld.bmp"));
        m.Load();
        m->Knop_P_Click();
        m->Invest_Points();
        for (int shot = 0; shot < 3; ++shot) m->Knop_Bal_Click();
        const auto missing = std::count_if(m.Tk.Events.begin(), m.Tk.Events.end(), [](const Game_Event& e) {
            return e.Kind == Game_Event_Kind::Map_Missing;
        });
        const auto told = std::count_if(m.Tk.Log.begin(), m.Tk.Log.end(), [](const std::string& line) {
            return line.rfind("message Plonk for Windows|The playfield map '", 0) == 0;
        });
        EXPECT_EQ(missing, c.Missing ? 3 : 0) << c.Name;
        EXPECT_EQ(told, c.Missing ? 1 : 0) << c.Name;
        // Between shots of a game that cannot end, the close asks its question.
        if (c.Missing) {
            EXPECT_EQ(m->Balls_Played, 0) << c.Name;
            m.Tk.Answers.push_back(Answer::No);
            m->Knop_Sluiten_Click();
            EXPECT_TRUE(m->Ended) << c.Name;
        }
    }
}

}  // namespace
}  // namespace plonk::test
