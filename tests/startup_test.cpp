// Start-up, the odds table, a new game's board, and shutdown.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/machine.h"

namespace plonk::test {
namespace {

std::string Read_Text(const std::string& path) {
    return (std::stringstream() << std::ifstream(path).rdbuf()).str();
}

TEST(Startup, OddsTableHoldsThePointsByLevelAndRowLength) {
    Machine m;
    m->Init_Punten();
    const int expected[3][9] = {
        {4, 8, 16, 32, 64, 100, 150, 200, 300},
        {8, 16, 32, 64, 100, 200, 300, 400, 600},
        {16, 32, 64, 100, 200, 300, 450, 600, 900},
    };
    for (int n = 3; n <= 5; ++n)
        for (int level = 1; level <= 9; ++level)
            EXPECT_EQ(m->Odds_Table(level, n), expected[n - 3][level - 1]) << level << "," << n;
    // Flat positions 13 and 22 of the table.
    EXPECT_EQ(m->Odds_Table.v[13], 100);
    EXPECT_EQ(m->Odds_Table.v[22], 200);
}

TEST(Startup, EndsWithNoGameRunningAndAFreshBoard) {
    Machine m;
    m.Load();
    EXPECT_EQ(m.Tk.Log.front(), "refresh");  // the window is shown first
    EXPECT_EQ(m->App_Folder, PLONK_BIN_DIR "/");
    EXPECT_TRUE(m->Game_Over);
    EXPECT_FALSE(m->Invest_Open);
    EXPECT_EQ(m->Balls_In_Game, 0);
    EXPECT_EQ(m->Balls_Played, 0);
    EXPECT_EQ(m->Star_Game_Rest, 2);
    EXPECT_TRUE(m->Timer1.Enabled);
    EXPECT_FALSE(m->Timer2.Enabled);
    EXPECT_EQ(m->Focus, "Command2");
    EXPECT_EQ(m->Start_Speed, 70);
    EXPECT_EQ(Picture_Name(m->Pic_Kracht), "Kracht.bmp");
    for (int level : {m->Yellow_Level, m->Red_Level, m->White_Level, m->Green_Level}) EXPECT_EQ(level, 0);
}

TEST(Startup, ProgramFolderEndsInASeparator) {
    for (const char* folder : {"/opt/plonk", "/opt/plonk/", "/"}) {
        Machine m;
        m.Tk.Folder = folder;
        m->Init_App_Folder();
        EXPECT_EQ(m->App_Folder.back(), '/') << folder;
        EXPECT_EQ(m->App_Folder.find("//"), std::string::npos) << folder;
    }
}

TEST(Startup, AMissingPictureStopsTheProgramNamingTheFile) {
    Machine m;
    Temp_Folder empty;
    m.Tk.Folder = empty.Path();
    m.Load();
    EXPECT_TRUE(m->Ended);
    EXPECT_EQ(m.Tk.End_Status, 1);
    // The first picture start-up shows is the first digit of the main bonus (1000).
    bool named = false;
    for (const std::string& e : m.Tk.Log)
        if (e.rfind("message ", 0) == 0 && e.find(empty.Path() + "/Digit_1.bmp") != std::string::npos)
            named = true;
    EXPECT_TRUE(named);
}

TEST(Startup, TheControlsOwnPicturesAreLoadedBeforeTheWindowShows) {
    // Every picture of the program's folder, but for the one left out.
    struct Case {
        const char* Left_Out;
        bool Loads;
    };
    for (const Case c : {Case{"", true}, Case{"Letter_C.bmp", false}, Case{"Scherm.bmp", false}}) {
        Machine m;
        Temp_Folder folder;
        for (const auto& entry : std::filesystem::directory_iterator(PLONK_BIN_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name != c.Left_Out &&
                (entry.path().extension() == ".bmp" || entry.path().extension() == ".gif"))
                std::filesystem::copy_file(entry.path(), folder.File(name));
        }
        m.Tk.Folder = folder.Path();
        EXPECT_EQ(m->Load_Faces(), c.Loads) << c.Left_Out;
        EXPECT_EQ(m->Ended, !c.Loads) << c.Left_Out;
        EXPECT_EQ(m->App_Folder, folder.Path() + "/");
        if (!c.Loads) {
            EXPECT_NE(m.Tk.Last_Message.find(folder.File(c.Left_Out)), std::string::npos);
        }
    }
}

TEST(ResetGame, PutsTheBoardOfAFreshGame) {
    Machine m;
    m.Load();
    // A game in some state.
    m->Start_Speed = 90;
    m->Ball_VX = 7;
    m->Ball_VY = 150;
    for (int i = 0; i <= 9; ++i) {
        m->Image_Bal(i).Visible = i % 2 == 0;
        m->Image_Bal(i).Left = 100;
        m->Image_Bal(i).Top = 100;
    }
    for (int i = 0; i <= 4; ++i) m->Pix_XtrBall(i).Visible = true;
    m->Yellow_Star_Lit = m->Red_Star_Lit = m->Fifth_Ball = true;
    m->Line_Level = 9;
    m->Corners_Feature = m->Four_Stars_Feature = m->Three_Stars_Feature = true;
    m->Two_Stars_Feature = m->Hit16_Feature = true;
    m->Yellow_Got3 = m->Double_Got5 = m->Main_Bonus_Paid = m->Green_Double_Used = true;
    for (int i = 0; i <= 2; ++i) {
        m->Tip(i).Visible = true;
        m->Tip(i).Left = 77;
    }
    m->Command1.Enabled = true;
    m->Balls_In_Game = 7;
    m->Balls_Played = 3;
    m->Yellow_Level = 5;
    m->Tip_Line_Set = 17;

    m->Reset_Game();

    EXPECT_EQ(m->Start_Speed, 70);
    EXPECT_EQ(m->Ball_VX, 30);
    EXPECT_EQ(m->Ball_VY, 100);
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(m->Image_Bal(i).Left, 295);
        EXPECT_EQ(m->Image_Bal(i).Top, 384 - 20 * i);
        // Balls 0..4 keep their visibility; the extra balls are hidden.
        EXPECT_EQ(m->Image_Bal(i).Visible, i <= 4 && i % 2 == 0) << i;
    }
    for (int i = 0; i <= 4; ++i) EXPECT_FALSE(m->Pix_XtrBall(i).Visible);
    EXPECT_FALSE(m->Yellow_Star_Lit || m->Red_Star_Lit || m->Fifth_Ball);
    EXPECT_FALSE(m->Pic_Ster_Geel.Visible || m->Pic_Ster_Rood.Visible);
    EXPECT_EQ(m->Line_Level, 0);
    EXPECT_FALSE(m->Corners_Feature || m->Four_Stars_Feature || m->Three_Stars_Feature ||
                 m->Two_Stars_Feature || m->Hit16_Feature);
    for (const Control* c : {&m->Pic_Corners, &m->Pic_4Stars, &m->Pic_3Stars, &m->Pic_2Stars, &m->Pic_16Hit,
                             &m->Pic_RedBonus, &m->Pic_GreenBonus})
        EXPECT_FALSE(c->Visible) << c->Name;
    EXPECT_FALSE(m->Yellow_Got3 || m->Double_Got5 || m->Main_Bonus_Paid || m->Green_Double_Used);
    for (int i = 0; i <= 2; ++i) {
        EXPECT_FALSE(m->Tip(i).Visible);
        EXPECT_EQ(m->Tip(i).Left, 6);
        EXPECT_EQ(m->Tip(i).Top, 210 + 30 * i);
    }
    EXPECT_FALSE(m->Command1.Enabled);
    const char* boards[] = {"GeleScore_0.bmp", "RodeScore_0.bmp", "WitteScore_0.bmp", "GroeneScore_0.bmp"};
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(Picture_Name(m->Pic_Score(i)), boards[i]);
    // What a new game leaves to the procedure that starts it.
    EXPECT_EQ(m->Balls_In_Game, 7);
    EXPECT_EQ(m->Balls_Played, 3);
    EXPECT_EQ(m->Yellow_Level, 5);
    EXPECT_EQ(m->Tip_Line_Set, 17);
}

TEST(ResetGame, ClearsTheDrawingOnTheStartSpeedIndicator) {
    Machine m;
    m.Load();
    m->Pic_Kracht.Draw_Line(0, 5, 10, 5, 0xFF0000);
    m->Reset_Game();
    EXPECT_TRUE(m->Pic_Kracht.Lines.empty());
}

TEST(Shutdown, RefusedSilentlyWhileAGameRuns) {
    Machine m;
    m.Load();
    m->Balls_In_Game = 5;
    m->Balls_Played = 2;
    const size_t before = m.Tk.Log.size();
    Integer cancel = 0;
    m->Form_QueryUnload(cancel, 0);
    EXPECT_NE(cancel, 0);
    EXPECT_TRUE(m->Cancel_Close);
    EXPECT_EQ(m.Tk.Log.size(), before);  // nothing shown, nothing ended
    EXPECT_FALSE(std::filesystem::exists(m.Ini()));
}

TEST(Shutdown, TheSaveQuestionDismissedCancelsTheClose) {
    const std::string before = "[Score]\nMain=345\n";
    const struct {
        Answer answer;
        const char* written;  // nullptr: the file is left as it was and the program runs on
    } cases[] = {{Answer::Yes, "Main= 345"}, {Answer::No, "Main= 0"}, {Answer::Cancel, nullptr}};
    for (const auto& c : cases) {
        Machine m;
        std::ofstream(m.Ini()) << before;
        m.Load();
        m.Tk.Answers.push_back(c.answer);
        Integer cancel = 0;
        m->Form_QueryUnload(cancel, 0);
        EXPECT_EQ(m->Ended, c.written != nullptr);
        EXPECT_EQ(cancel != 0, c.written == nullptr);
        const std::string after = Read_Text(m.Ini());
        EXPECT_TRUE(c.written ? after.find(c.written) != std::string::npos : after == before) << after;
    }
}

TEST(Shutdown, AsksTheQuestionRightAfterStartUp) {
    Machine m;
    m.Load();
    m.Tk.Answers.push_back(Answer::Yes);
    Integer cancel = 0;
    m->Form_QueryUnload(cancel, 0);
    EXPECT_TRUE(m->Ended);
    EXPECT_EQ(m.Tk.Count("message Save scores|Save score for next session ?"), 1);
    EXPECT_FALSE(m->Cancel_Close);
    EXPECT_TRUE(m->Ended);
    EXPECT_FALSE(m->Timer1.Enabled);
    EXPECT_EQ(m.Tk.Log.back(), "end");
}

}  // namespace
}  // namespace plonk::test
