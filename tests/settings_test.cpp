// The settings file: profile-file behaviour, reading with defaults, and the save
// at shutdown.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/profile_file.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

TEST(LeadingNumber, ReadsTheLeadingNumberOnly) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12abc", 12}, {"abc", 0}, {"2.5", 2.5}, {"3.5", 3.5},     {" 1000", 1000}, {"-25", -25},
        {"  +7x", 7},  {"", 0},    {"-", 0},     {".5", 0.5},      {"1e3", 1000},   {"1e", 1},
        {"4.", 4},     {"- 3", 0}, {"0x1A", 0},  {"99999", 99999},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Leading_Number(c.text), c.value) << c.text;
}

TEST(ProfileFile, MissingFileSectionOrKeyGivesTheFallback) {
    Temp_Folder folder;
    Profile_File f(folder.File("Plonk.ini"));
    EXPECT_EQ(f.Get("Bonus", "Main", "1000"), "1000");
    Write_File(f.Path(), "[Bonus]\nExtra=5\n");
    EXPECT_EQ(f.Get("Bonus", "Main", "1000"), "1000");
    EXPECT_EQ(f.Get("Score", "Extra", "7"), "7");
    EXPECT_EQ(f.Get("Bonus", "Extra", "7"), "5");
}

TEST(ProfileFile, NamesAreComparedWithoutCase) {
    Temp_Folder folder;
    Profile_File f(folder.File("Plonk.ini"));
    Write_File(f.Path(), "[SPEED_offset]\r\n  value = 4 \r\n");
    EXPECT_EQ(f.Get("Speed_Offset", "Value", "1"), "4");
    std::string error;
    ASSERT_TRUE(f.Put("speed_OFFSET", "VALUE", " 6", &error)) << error;
    EXPECT_EQ(Read_File(f.Path()), "[SPEED_offset]\r\nVALUE= 6\r\n");
}

TEST(ProfileFile, KeepsOtherLinesReplacesInPlaceAndAppendsWhatIsMissing) {
    Temp_Folder folder;
    Profile_File f(folder.File("Plonk.ini"));
    Write_File(f.Path(), "; my notes\n[Score]\nMain= 5\nOther=keep me\n\n[Bonus]\nMain= 3\n[Foreign]\nx=1\n");
    std::string error;
    ASSERT_TRUE(f.Put("Score", "Main", " 42", &error));
    ASSERT_TRUE(f.Put("Score", "Saldo", "-25", &error));
    ASSERT_TRUE(f.Put("Speed", "Value", " 50", &error));
    EXPECT_EQ(Read_File(f.Path()),
              "; my notes\n[Score]\nMain= 42\nOther=keep me\nSaldo=-25\n\n[Bonus]\nMain= 3\n[Foreign]\nx=1\n"
              "[Speed]\nValue= 50\n");
    // The same key name in another section is another value.
    EXPECT_EQ(f.Get("Bonus", "Main", "0"), "3");
    EXPECT_EQ(f.Get("Score", "Main", "0"), "42");
}

TEST(ProfileFile, LongValuesAreCutAt144Characters) {
    Temp_Folder folder;
    Profile_File f(folder.File("Plonk.ini"));
    Write_File(f.Path(), "[Score]\nMain=" + std::string(200, '7') + "\n");
    EXPECT_EQ(f.Get("Score", "Main", "0").size(), 144u);
}

TEST(ProfileFile, AFailedWriteIsReportedAndLeavesNoFile) {
    Temp_Folder folder;
    // The folder of the file is an ordinary file: nothing can be written there,
    // not even by the administrator.
    Write_File(folder.File("blocker"), "x");
    Profile_File f(folder.File("blocker") + "/Plonk.ini");
    std::string error;
    EXPECT_FALSE(f.Put("Score", "Main", " 1", &error));
    EXPECT_FALSE(error.empty());
}

TEST(Settings, DefaultsWithoutAnyFile) {
    Machine m;
    m.Load();
    EXPECT_EQ(m->Main_Bonus, 1000);
    EXPECT_EQ(m->Extra_Bonus, 1000);
    EXPECT_EQ(m->Flags_Count, 0);
    EXPECT_EQ(m->Invest_Range, 15);
    EXPECT_EQ(m->Ball_Speed, 50);
    EXPECT_EQ(m->Ball_Speed_Offset, 1);
    EXPECT_EQ(m->Main_Score, 0);
    EXPECT_EQ(m->Stake_Score, 0);
    EXPECT_EQ(m->Saldo_Score, 0);
    EXPECT_EQ(m->Slider1.Value, 50);
}

TEST(Settings, ValuesAreReadByTheLeadingNumberAndRoundedHalfToEven) {
    const struct {
        const char* text;
        int speed;
    } cases[] = {{"12abc", 12}, {"abc", 0}, {"2.5", 2}, {"3.5", 4}, {" 77", 77}, {"-0.5", 0}};
    for (const auto& c : cases) {
        Machine m;
        Write_File(m.Ini(), std::string("[Speed]\nValue=") + c.text + "\n");
        m.Load();
        EXPECT_EQ(m->Ball_Speed, c.speed) << c.text;
    }
}

TEST(Settings, OutOfRangeNumbersFallBackToTheDefaultAndTheSliderIsClamped) {
    Machine m;
    Write_File(m.Ini(),
               "[Score]\nVlaggen=70000\nMain=99999999999\nSaldo=-5\n[Speed]\nValue=150\n"
               "[Speed_Offset]\nValue=20\n");
    m.Load();
    EXPECT_EQ(m->Flags_Count, 0);         // beyond a 16-bit field: default
    EXPECT_EQ(m->Main_Score, 0);          // beyond a 32-bit field: default
    EXPECT_EQ(m->Saldo_Score, -5);        // negative balances are fine
    EXPECT_EQ(m->Ball_Speed_Offset, 20);  // in range of its field: used unchanged
    EXPECT_EQ(m->Slider1.Value, 99);      // the slider cannot show 150
    EXPECT_EQ(m->Ball_Speed, 99);
}

TEST(Settings, TheBallSpeedFollowsTheClampedSliderBothWays) {
    const struct {
        const char* saved;
        int speed;
        const char* written;
    } cases[] = {{"-5", 0, "Value= 0"},    {"-32768", 0, "Value= 0"}, {"0", 0, "Value= 0"},
                 {"150", 99, "Value= 99"}, {"99", 99, "Value= 99"},   {"42", 42, "Value= 42"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        Machine m;
        Write_File(m.Ini(), std::string("[Speed]\nValue=") + c.saved + "\n");
        m.Load();
        EXPECT_EQ(m->Slider1.Value, c.speed);
        EXPECT_EQ(m->Ball_Speed, c.speed);
        m->Knop_Sluiten_Click();
        EXPECT_TRUE(m->Ended);
        EXPECT_NE(Read_File(m.Ini()).find(c.written), std::string::npos) << Read_File(m.Ini());
    }
}

TEST(Settings, CloseAnsweredYesKeepsTheScoreForTheNextSession) {
    Temp_Folder shared;
    const std::string ini = shared.File("Plonk.ini");
    {
        Machine m(ini);
        m.Load();
        m->Main_Score = 345;
        m->Stake_Score = 400;
        m->Saldo_Score = -55;
        m->Main_Bonus = 1234;
        m->Flags_Count = 3;
        m->Invest_Range = 9;
        m->Ball_Speed_Offset = 4;
        m.Tk.Answers.push_back(Answer::Yes);
        m->Knop_Sluiten_Click();
        EXPECT_TRUE(m->Ended);
        EXPECT_EQ(m.Tk.End_Status, 0);
    }
    const std::string text = Read_File(ini);
    EXPECT_NE(text.find("Saldo=-55"), std::string::npos);
    EXPECT_NE(text.find("Main= 1234"), std::string::npos);
    Machine next(ini);
    next.Load();
    EXPECT_EQ(next->Main_Score, 345);
    EXPECT_EQ(next->Stake_Score, 400);
    EXPECT_EQ(next->Saldo_Score, -55);
    EXPECT_EQ(next->Main_Bonus, 1234);
    EXPECT_EQ(next->Flags_Count, 3);
    EXPECT_EQ(next->Invest_Range, 9);
    EXPECT_EQ(next->Ball_Speed_Offset, 4);
}

TEST(Settings, CloseAnsweredNoKeepsTheSettingsButZeroesTheScore) {
    Temp_Folder shared;
    const std::string ini = shared.File("Plonk.ini");
    {
        Machine m(ini);
        m.Load();
        m->Main_Score = 345;
        m->Stake_Score = 400;
        m->Saldo_Score = 12;
        m->Extra_Bonus = 1010;
        m->Ball_Speed = 80;
        m.Tk.Answers.push_back(Answer::No);
        m->Knop_Sluiten_Click();
        EXPECT_TRUE(m->Ended);
    }
    Machine next(ini);
    next.Load();
    EXPECT_EQ(next->Main_Score, 0);
    EXPECT_EQ(next->Stake_Score, 0);
    EXPECT_EQ(next->Saldo_Score, 0);
    EXPECT_EQ(next->Extra_Bonus, 1010);
    EXPECT_EQ(next->Ball_Speed, 80);
}

TEST(Settings, AWriteThatFailsIsToldToThePlayerAndTheProgramStillEnds) {
    Temp_Folder folder;
    Write_File(folder.File("blocker"), "x");
    Machine m(folder.File("blocker") + "/Plonk.ini");
    m.Load();
    m.Tk.Answers.push_back(Answer::Yes);
    m->Knop_Sluiten_Click();
    EXPECT_TRUE(m->Ended);
    ASSERT_GE(m.Tk.Log.size(), 2u);
    const std::string& told = m.Tk.Log[m.Tk.Log.size() - 2];
    EXPECT_EQ(told.rfind("message Save scores|The score and settings could not be saved to", 0), 0u) << told;
    EXPECT_NE(told.find("blocker/Plonk.ini"), std::string::npos);
    EXPECT_EQ(m.Tk.Log.back(), "end");
}

TEST(Settings, AReplacedFileNeverLeavesItsTemporaryCopyBehind) {
    Machine m;
    m.Load();
    m.Tk.Answers.push_back(Answer::Yes);
    m->Knop_Sluiten_Click();
    EXPECT_TRUE(m->Ended);
    EXPECT_TRUE(std::filesystem::exists(m.Ini()));
    EXPECT_FALSE(std::filesystem::exists(m.Ini() + ".tmp"));
}

}  // namespace
}  // namespace plonk::test
