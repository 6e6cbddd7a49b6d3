#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/picture_names.h"
#include "scores/digits.h"
#include "support/machine.h"
#include "support/observe.h"

namespace plonk::test {
namespace {

struct Counter_Case {
    long value;
    const char* five;  // shown by a counter of five places
    const char* four;  // shown by a counter of four places
};

TEST(ScoresDigits, UnsignedCountersShowLeadingZerosAndSaturate) {
    const Counter_Case cases[] = {
        {0, "00000", "0000"},          {7, "00007", "0007"},      {42, "00042", "0042"},
        {1000, "01000", "1000"},       {9999, "09999", "9999"},   {10000, "10000", "9999"},
        {99999, "99999", "9999"},      {100000, "99999", "9999"}, {250000, "99999", "9999"},
        {2147483647, "99999", "9999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Machine m;
        m->Init_App_Folder();
        m->Main_Score = m->Stake_Score = static_cast<Long>(c.value);
        m->Main_Bonus = m->Extra_Bonus = static_cast<Long>(c.value);
        m->Set_Main_Score();
        m->Set_Stake_Score();
        m->Set_Main_Bonus();
        m->Set_Extra_Bonus();
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_Main), c.five);
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_Stake), c.five);
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_RedBonus), c.four);
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_GreenBonus), c.four);
        // Showing a value never changes it.
        EXPECT_EQ(m->Main_Score, c.value);
        EXPECT_EQ(m->Main_Bonus, c.value);
    }
}

TEST(ScoresDigits, EachCounterShowsOnlyItsOwnValue) {
    Machine m;
    m->Init_App_Folder();
    m->Main_Score = 1;
    m->Stake_Score = 2;
    m->Main_Bonus = 3;
    m->Extra_Bonus = 4;
    m->Set_Main_Score();
    m->Set_Stake_Score();
    m->Set_Main_Bonus();
    m->Set_Extra_Bonus();
    EXPECT_EQ(Shown_Digits(m->Pic_Digit_Main), "00001");
    EXPECT_EQ(Shown_Digits(m->Pic_Digit_Stake), "00002");
    EXPECT_EQ(Shown_Digits(m->Pic_Digit_RedBonus), "0003");
    EXPECT_EQ(Shown_Digits(m->Pic_Digit_GreenBonus), "0004");
    EXPECT_EQ(Shown_Digits(m->Pic_Digit_Saldo), "?????");  // not drawn by any of these
}

// A negative credit, stake or bonus can only come from an edited settings file.
// Without a sign it shows as zero, never as a wrapped number or a picture that
// does not exist.
TEST(ScoresDigits, NegativeUnsignedValueShowsZeros) {
    for (long v : {-1L, -42L, -99999L, -100000L, -2147483647L - 1}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(Counter_Digits(v, 5), "00000");
        EXPECT_EQ(Counter_Digits(v, 4), "0000");
        Machine m;
        m->Init_App_Folder();
        m->Main_Score = static_cast<Long>(v);
        m->Set_Main_Score();
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_Main), "00000");
        EXPECT_EQ(m.Tk.End_Status, -1);
    }
}

TEST(ScoresDigits, BalanceShowsSignAndMagnitude) {
    const struct {
        long value;
        const char* sign;
        const char* digits;
    } cases[] = {
        {0, "Plus.bmp", "00000"},     {1, "Plus.bmp", "00001"},      {-1, "Min.bmp", "00001"},
        {-42, "Min.bmp", "00042"},    {-99999, "Min.bmp", "99999"},  {-100000, "Min.bmp", "99999"},
        {99999, "Plus.bmp", "99999"}, {123456, "Plus.bmp", "99999"}, {-2147483647L - 1, "Min.bmp", "99999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Machine m;
        m->Init_App_Folder();
        m->Saldo_Score = static_cast<Long>(c.value);
        m->Set_Saldo_Score();
        EXPECT_EQ(Picture_Name(m->Pic_SaldoSign), c.sign);
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_Saldo), c.digits);
    }
}

TEST(ScoresDigits, ScoreboardsShowEachColoursLevel) {
    const struct {
        Integer yellow, red, white, green;
        const char* boards[4];
    } cases[] = {
        {3, 9, 1, 5, {"GeleScore_3.bmp", "RodeScore_9.bmp", "WitteScore_1.bmp", "GroeneScore_5.bmp"}},
        {0, 0, 0, 0, {"GeleScore_0.bmp", "RodeScore_0.bmp", "WitteScore_0.bmp", "GroeneScore_0.bmp"}},
        {9, 1, 9, 1, {"GeleScore_9.bmp", "RodeScore_1.bmp", "WitteScore_9.bmp", "GroeneScore_1.bmp"}},
        // A level outside 0..9 by its last digit.
        {12, -3, 10, -32768, {"GeleScore_2.bmp", "RodeScore_3.bmp", "WitteScore_0.bmp", "GroeneScore_8.bmp"}},
    };
    for (const auto& c : cases) {
        Machine m;
        m->Init_App_Folder();
        m->Yellow_Level = c.yellow;
        m->Red_Level = c.red;
        m->White_Level = c.white;
        m->Green_Level = c.green;
        m->Set_Scoreboard();
        for (int i = 0; i <= 3; ++i) EXPECT_EQ(Picture_Name(m->Pic_Score(i)), c.boards[i]) << i;
    }
}

TEST(ScoresDigits, EveryPictureIsLoadedAgainOnEveryCall) {
    // Also on a screen that takes pictures on trust and is not asked about them.
    for (const bool checked : {true, false}) {
        SCOPED_TRACE(checked);
        Machine m;
        m.Tk.Check_Pictures = checked;
        m->Init_App_Folder();
        m->Main_Score = 5;
        m->Saldo_Score = -5;
        m->Set_Main_Score();
        m->Set_Saldo_Score();
        // Pictures cleared (and drawn over) since are put back by the next call,
        // although the values did not change.
        for (Control& c : m->Pic_Digit_Main) c.Picture.clear();
        for (Control& c : m->Pic_Digit_Saldo) c.Draw_Line(0, 0, 1, 1, 0);
        m->Pic_SaldoSign.Picture.clear();
        m->Set_Main_Score();
        m->Set_Saldo_Score();
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_Main), "00005");
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_Saldo), "00005");
        EXPECT_EQ(Picture_Name(m->Pic_SaldoSign), "Min.bmp");
        for (const Control& c : m->Pic_Digit_Saldo) EXPECT_TRUE(c.Lines.empty());
        EXPECT_EQ(m->Pic_Digit_Main(0).Picture, m->App_Folder + "Digit_0.bmp");
    }
}

// A screen that takes pictures on trust is not asked about a picture that a counter
// or lamp already shows, yet every control ends with the very path that a checking
// screen gives it: as values and lamps change, and after the program folder moves.
TEST(ScoresDigits, PicturesTakenOnTrustEndAsCheckedOnes) {
    Machine trusted, checked;
    trusted.Tk.Check_Pictures = false;
    Machine* both[] = {&trusted, &checked};
    for (Machine* m : both) {
        (*m)->Init_App_Folder();
        (*m)->Init_Lites();
    }
    const long values[] = {0, 7, 9, 10, 99999, 100000, -5, -99999, -100000, 42, 41, 40, 39, 0};
    for (size_t i = 0; i < std::size(values); ++i) {
        SCOPED_TRACE(values[i]);
        for (Machine* m : both) {
            Hoofdvenster& h = *m->M;
            h.Main_Score = h.Stake_Score = h.Saldo_Score = h.Main_Bonus = h.Extra_Bonus =
                static_cast<Long>(values[i]);
            h.Set_Main_Score();
            h.Set_Stake_Score();
            h.Set_Saldo_Score();
            h.Set_Main_Bonus();
            h.Set_Extra_Bonus();
            // Balls fall and lines move: lamps light, go mid and out.
            h.Hole_State(static_cast<int>(i % 25) + 1) = 1;
            h.Line_Pos(static_cast<int>(i % 5)) = static_cast<Integer>(i % 3);
            if (i == 5) h.Lites(12).Draw_Line(0, 0, 1, 1, 0);
            h.Set_Lites();
        }
        const auto& shown = trusted->All_Controls();
        for (size_t k = 0; k < shown.size(); ++k)
            EXPECT_EQ(shown[k]->Picture, checked->All_Controls()[k]->Picture) << shown[k]->Name;
        EXPECT_TRUE(trusted->Lites(12).Lines.empty());
    }
    EXPECT_EQ(trusted.Tk.End_Status, -1);
    // The program folder moves: every picture is the new folder's, though no file is
    // looked at there.
    trusted->App_Folder = "/elsewhere/";
    trusted->Set_Main_Score();
    trusted->Set_Lites();
    for (const Control& c : trusted->Pic_Digit_Main)
        EXPECT_EQ(c.Picture.rfind("/elsewhere/Digit_", 0), 0u) << c.Picture;
    for (const Control& c : trusted->Lites) EXPECT_EQ(c.Picture.rfind("/elsewhere/", 0), 0u) << c.Picture;
}

TEST(ScoresDigits, MissingDigitPictureStopsTheProgram) {
    Machine m;
    m->Init_App_Folder();
    m->App_Folder = m.Folder.Path() + "/";  // an empty folder
    m->Main_Score = 3;
    m->Set_Main_Score();
    EXPECT_TRUE(m->Ended);
    EXPECT_EQ(m.Tk.End_Status, 1);
    EXPECT_EQ(m.Tk.Count("message Plonk for Windows|File not found: '" + m->App_Folder + "Digit_0.bmp'"), 1);
}

TEST(ScoresDigits, APictureThatIsThereButDoesNotLoadIsToldWithTheReason) {
    const struct {
        std::function<void(const std::string& path)> make;
        const char* told;
    } cases[] = {
        {[](auto&) {}, "File not found: '#'"},
        {[](auto& path) { std::filesystem::create_directory(path); },
         "Cannot load the picture '#'. The file cannot be read: it is not a regular file."},
        {[](auto& path) { ::mkfifo(path.c_str(), 0644); },
         "Cannot load the picture '#'. The file cannot be read: it is not a regular file."},
        {[](auto& path) { std::ofstream(path) << "not a picture"; },
         "Cannot load the picture '#'. The file is not a BMP picture."},
    };
    for (const auto& c : cases) {
        Machine m;
        m->App_Folder = m.Folder.Path() + "/";
        const std::string path = m->App_Folder + "Digit_0.bmp";
        c.make(path);
        m->Set_Main_Score();
        EXPECT_TRUE(m->Ended);
        std::string told = c.told;
        told.replace(told.find('#'), 1, path);
        EXPECT_EQ(m.Tk.Log.at(m.Tk.Log.size() - 2), "message Plonk for Windows|" + told);
    }
}

}  // namespace
}  // namespace plonk::test
