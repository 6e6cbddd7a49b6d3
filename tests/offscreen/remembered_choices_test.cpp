// Show Tips and Automatic Scan are kept between runs, beside every other line of the
// settings file.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "offscreen/window_harness.h"
#include "window/game_frame.h"

namespace plonk::test {
namespace {

// The game started on that settings file.
std::unique_ptr<Game_Frame> Run_Game(const Program_Folder& folder, const std::string& ini) {
    Window_Options o;
    o.Settings_Path = ini;
    o.Program_Folder = folder.Path();
    auto frame = std::make_unique<Game_Frame>(std::move(o));
    frame->Start();
    return frame;
}
QCheckBox* Box(Game_Frame& f, const char* name) {
    return qobject_cast<QCheckBox*>(f.Face().Widget_For(name));
}

TEST(RememberedChoices, BoxesStartAsTheOptionsSayAndATickSurvivesARestart) {
    const std::string mine = "; my line\n[Speed]\nValue=50\n";
    const struct {
        const char* options;
        bool tips, scan;
    } cases[] = {
        {"", true, true},
        {"[Options]\nShow_Tips=0\n", false, true},
        {"[Options]\nAutomatic_Scan=0\nShow_Tips=1\n", true, false},
        {"[Options]\nShow_Tips=no\nAutomatic_Scan=2\n", true, true},
    };
    App();
    for (const auto& c : cases) {
        Program_Folder folder;
        QTemporaryDir config;
        const std::string ini = config.path().toStdString() + "/Plonk.ini";
        std::ofstream(ini) << mine << c.options;
        for (const bool restarted : {false, true}) {
            auto frame = Run_Game(folder, ini);
            EXPECT_EQ(Box(*frame, "Check1")->isChecked(), c.tips != restarted) << c.options;
            EXPECT_EQ(frame->Face().Machine().Check1.Value, c.tips != restarted ? 1 : 0) << c.options;
            EXPECT_EQ(Box(*frame, "Check2")->isChecked(), c.scan) << c.options;
            if (!restarted) Box(*frame, "Check1")->click();
        }
        std::stringstream text;
        text << std::ifstream(ini).rdbuf();
        EXPECT_EQ(text.str().rfind(mine, 0), 0u) << text.str();
    }
}

}  // namespace
}  // namespace plonk::test
