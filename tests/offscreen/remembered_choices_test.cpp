// Sound, Show Tips and Automatic Scan are kept between runs, beside every other line
// of the settings file, which only a regular close makes.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "tools/window_driver/window_harness.h"
#include "window/game_frame.h"

namespace plonk::test {
namespace {

// A sound device that plays nothing, so that "Sound" can be ticked.
class Silent_Device : public Sound_Output {
public:
    bool Open() override { return true; }
    bool Ready() const override { return true; }
    int32_t Load(const std::string&) override { return 0; }
    void Play(int32_t) override {}
    void Close() override {}
};

// The game started on that settings file, with a sound device; the close's question
// is answered Yes.
std::unique_ptr<Game_Frame> Run_Game(const Program_Folder& folder, const std::string& ini) {
    Window_Options o;
    o.Settings_Path = ini;
    o.Program_Folder = folder.Path();
    o.Sound = std::make_unique<Silent_Device>();
    o.Ask = [](const std::string&, const std::string&) { return Answer::Yes; };
    auto frame = std::make_unique<Game_Frame>(std::move(o));
    frame->Start();
    return frame;
}
std::string Text_Of(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}
QCheckBox* Box(Game_Frame& f, const char* name) {
    return qobject_cast<QCheckBox*>(f.Face().Widget_For(name));
}

TEST(RememberedChoices, BoxesStartAsTheOptionsSayAndATickSurvivesARestart) {
    const std::string mine = "; my line\n[Speed]\nValue=50\n";
    const struct {
        const char* options;
        bool tips, scan, sound;
    } cases[] = {
        {"", true, true, true},
        {"[Options]\nShow_Tips=0\n", false, true, true},
        {"[Options]\nAutomatic_Scan=0\nShow_Tips=1\n", true, false, true},
        {"[Options]\nShow_Tips=no\nAutomatic_Scan=2\n", true, true, true},
        {"[Options]\nSound=0\n", true, true, false},
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
            EXPECT_EQ(Box(*frame, "Option1")->isChecked(), c.sound) << c.options;
            EXPECT_EQ(frame->Face().Machine().Option1.Value, c.sound ? 1 : 0) << c.options;
            if (!restarted) Box(*frame, "Check1")->click();
        }
        EXPECT_EQ(Text_Of(ini).rfind(mine, 0), 0u) << Text_Of(ini);
    }
}

TEST(RememberedChoices, OnlyARegularCloseMakesTheFileAndItKeepsEveryChoiceAndThePlace) {
    App();
    const struct {
        const char* what;
        bool file_there;                // the settings file is there at the start
        bool closed;                    // the game closes regularly
        const char* after_tick;         // what the file says of the tick before any close
        std::vector<std::string> kept;  // lines the file holds at the end ("" when there is none)
    } cases[] = {
        {"no file, ended otherwise", false, false, nullptr, {}},
        {"no file, closed",
         false,
         true,
         nullptr,
         {"Show_Tips=0", "Automatic_Scan=1", "Sound=1", "Zoom=1",
          "Window_X=", "Window_Y=", "Screen=", "Main= 1000", "Saldo= 0"}},
        {"a file, ended otherwise", true, false, "Show_Tips=0", {"; mine", "Show_Tips=0"}},
        {"a file, closed",
         true,
         true,
         "Show_Tips=0",
         {"; mine", "Show_Tips=0", "Zoom=1", "Window_X=", "Main= 1000"}},
    };
    for (const auto& c : cases) {
        Program_Folder folder;
        QTemporaryDir config;
        const std::string ini = config.path().toStdString() + "/Plonk.ini";
        if (c.file_there) std::ofstream(ini) << "; mine\n";
        {
            auto frame = Run_Game(folder, ini);
            Box(*frame, "Check1")->click();
            frame->View_Menu()->findChild<QAction*>("Menu_Zoom_1")->trigger();
            if (c.after_tick) {
                EXPECT_NE(Text_Of(ini).find(c.after_tick), std::string::npos)
                    << c.what << ": " << Text_Of(ini);
            } else {
                EXPECT_FALSE(QFile::exists(QString::fromStdString(ini))) << c.what;
            }
            if (c.closed) {
                EXPECT_TRUE(frame->close()) << c.what;
            }
        }
        // Ended otherwise: the frame is gone without a close, as after a fatal stop.
        EXPECT_EQ(QFile::exists(QString::fromStdString(ini)), !c.kept.empty()) << c.what;
        for (const std::string& line : c.kept)
            EXPECT_NE(("\n" + Text_Of(ini)).find("\n" + line), std::string::npos)
                << c.what << ": " << line << " in\n"
                << Text_Of(ini);
    }
}

}  // namespace
}  // namespace plonk::test
