// Show Tips and Automatic Scan are kept between runs, beside every other line of the
// settings file.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "offscreen/window_harness.h"
#include "window/game_frame.h"

namespace plonk::test {
namespace {

struct Frame_Run {
    Program_Folder& Folder;
    std::unique_ptr<Game_Frame> F;
    Frame_Run(Program_Folder& folder, const std::string& ini) : Folder(folder) {
        App();
        Window_Options o;
        o.Settings_Path = ini;
        o.Program_Folder = folder.Path();
        o.Ask = [](const std::string&, const std::string&) { return Answer::Yes; };
        o.Tell = [](const std::string&, const std::string&) {};
        F = std::make_unique<Game_Frame>(std::move(o));
        F->Start();
    }
    int Box(const char* name) {
        const bool ticked = qobject_cast<QCheckBox*>(F->Face().Widget_For(name))->isChecked();
        EXPECT_EQ(ticked, F->Face().Machine().Find_Control(name)->Value != 0) << name;
        return ticked;
    }
};

TEST(RememberedChoices, BoxesStartAsTheOptionsSayAndChangesSurviveARestart) {
    const std::string mine = "; my line\n[Speed]\nValue=50\n";
    const struct {
        const char* options;
        int tips, scan;
    } cases[] = {
        {"", 1, 1},
        {"[Options]\nShow_Tips=0\n", 0, 1},
        {"[Options]\nAutomatic_Scan=0\nShow_Tips=1\n", 1, 0},
        {"[Options]\nShow_Tips=no\nAutomatic_Scan=2\n", 1, 1},
    };
    for (const auto& c : cases) {
        Program_Folder folder;
        QTemporaryDir config;
        const std::string ini = config.path().toStdString() + "/Plonk.ini";
        std::ofstream(ini) << mine << c.options;
        {
            Frame_Run run(folder, ini);
            EXPECT_EQ(run.Box("Check1"), c.tips) << c.options;
            EXPECT_EQ(run.Box("Check2"), c.scan) << c.options;
            qobject_cast<QCheckBox*>(run.F->Face().Widget_For("Check1"))->click();
        }
        Frame_Run again(folder, ini);
        EXPECT_EQ(again.Box("Check1"), 1 - c.tips) << c.options;
        EXPECT_EQ(again.Box("Check2"), c.scan) << c.options;
        std::stringstream text;
        text << std::ifstream(ini).rdbuf();
        EXPECT_EQ(text.str().rfind(mine, 0), 0u) << text.str();
    }
}

}  // namespace
}  // namespace plonk::test
