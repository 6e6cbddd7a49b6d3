// What the window tells the player of troubles outside the game: statistics that
// cannot be saved, and a playfield map that is missing, each in the window's message
// style, once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "stats/statistics_file.h"
#include "stats/statistics_json.h"
#include "support/machine.h"
#include "tools/window_driver/window_harness.h"
#include "window/game_frame.h"

namespace plonk::test {
namespace {

struct Frame_Told {
    Program_Folder Folder;
    QTemporaryDir Config;
    std::vector<std::string> Told;   // "title|text" of every message
    std::vector<std::string> Asked;  // "title|text" of every question
    std::unique_ptr<Game_Frame> F;

    Frame_Told() { App(); }
    int Start() {
        Window_Options o;
        o.Settings_Path = Config.path().toStdString() + "/Plonk.ini";
        o.Program_Folder = Folder.Path();
        o.Ask = [this](const std::string& text, const std::string& title) {
            Asked.push_back(title + "|" + text);
            return Answer::No;
        };
        o.Tell = [this](const std::string& text, const std::string& title) {
            Told.push_back(title + "|" + text);
        };
        F = std::make_unique<Game_Frame>(std::move(o));
        return F->Start();
    }
    long Count(const std::string& start) const {
        return std::count_if(Told.begin(), Told.end(),
                             [&](const std::string& t) { return t.rfind(start, 0) == 0; });
    }
};

TEST(ToldInWindow, StatisticsThatCannotBeSavedAreToldOnceWithTheReason) {
    Frame_Told t;
    const std::string stats = t.Config.path().toStdString() + "/" + Statistics_File_Name;
    Write_File(stats, Statistics_To_Json(Statistics{}));
    ::chmod(stats.c_str(), 0444);
    ASSERT_EQ(t.Start(), -1);
    for (int press = 0; press < 3; ++press) t.F->Face().Run_Event("Knop_P", Event_Kind::Click);
    EXPECT_EQ(t.Told, std::vector<std::string>{"Statistics|The statistics could not be saved to \"" + stats +
                                               "\": the file is read-only."});
}

TEST(ToldInWindow, AMissingPlayfieldMapIsToldAndTheGameStaysClosable) {
    Frame_Told t;
    t.Folder.Remove("Veld.bmp");
    ASSERT_EQ(t.Start(), -1);
    EXPECT_TRUE(t.Told.empty());  // the start-up goes on without a word
    Hoofdvenster& m = t.F->Face().Machine();
    t.F->Face().Run_Event("Knop_P", Event_Kind::Click);
    m.Invest_Points();
    for (int shot = 0; shot < 2; ++shot) t.F->Face().Run_Event("Knop_Bal", Event_Kind::Click);
    EXPECT_EQ(m.Balls_Played, 0);
    EXPECT_TRUE(t.F->Status_Text().startsWith("The playfield map is missing: balls cannot land"))
        << t.F->Status_Text().toStdString();
    EXPECT_EQ(t.Count("Plonk for Windows|The playfield map '" + t.Folder.Path() + "Veld.bmp' is missing"), 1);
    // The close asks its question in the middle of the game.
    t.F->close();
    EXPECT_EQ(t.Asked.size(), 1u);
}

}  // namespace
}  // namespace plonk::test
