// The game's own choices in the settings file: what reads as chosen, and that
// writing them leaves the machine's values and the user's lines alone.
#include "app/game_options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/machine.h"

namespace plonk::test {
namespace {

TEST(GameOptions, ReadsOnlyPlainValuesInRange) {
    const struct {
        const char* line;
        std::optional<int> zoom;
        std::optional<bool> tips;
    } cases[] = {
        {"Zoom=2\nShow_Tips=1", 2, true},
        {"Zoom=3\nShow_Tips=0", 3, false},
        {"Zoom=4\nShow_Tips=2", {}, {}},
        {"Zoom=0\nShow_Tips=-1", {}, {}},
        {"Zoom=2x\nShow_Tips=yes", {}, {}},
        {"Zoom=\nShow_Tips=", {}, {}},
        {"", {}, {}},
        {"Zoom=99999999999999999999", {}, {}},
    };
    for (const auto& c : cases) {
        Temp_Folder folder;
        std::ofstream(folder.File("Plonk.ini")) << "[Options]\n" << c.line << "\n";
        const Game_Options options(folder.File("Plonk.ini"));
        EXPECT_EQ(options.Number(option_key::Zoom, 1, 3), c.zoom) << c.line;
        EXPECT_EQ(options.Flag(option_key::Show_Tips), c.tips) << c.line;
    }
    EXPECT_EQ(Game_Options("").Flag(option_key::Automatic_Scan), std::nullopt);
}

TEST(GameOptions, WritingKeepsEveryOtherLine) {
    Temp_Folder folder;
    const std::string before = "; mine\n[Score]\nMain=221\n[Speed]\nValue=50\n";
    std::ofstream(folder.File("Plonk.ini")) << before;
    const Game_Options options(folder.File("Plonk.ini"));
    std::string error;
    ASSERT_TRUE(options.Put(
        {{option_key::Zoom, Game_Options::Of(2)}, {option_key::Show_Tips, Game_Options::Of(true)}}, &error))
        << error;
    ASSERT_TRUE(options.Put({{option_key::Zoom, Game_Options::Of(3)}}, &error)) << error;
    std::stringstream after;
    after << std::ifstream(folder.File("Plonk.ini")).rdbuf();
    EXPECT_EQ(after.str(), before + "[Options]\nZoom=3\nShow_Tips=1\n");
    EXPECT_EQ(options.Number(option_key::Zoom, 1, 3), 3);
}

}  // namespace
}  // namespace plonk::test
