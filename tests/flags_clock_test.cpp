#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/time_of_day.h"
#include "features/feature_draw.h"
#include "support/game_setup.h"
#include "support/machine.h"
#include "support/observe.h"

namespace plonk::test {
namespace {

// The flags shown, as "1" or "0" for Pic_Vlag(0..3).
std::string Shown_Flags(Hoofdvenster& h) {
    std::string s;
    for (const Control& f : h.Pic_Vlag) s += f.Visible ? '1' : '0';
    return s;
}

TEST(FlagsClock, SetVlaggenShowsTheFlagsAndTheDouble) {
    const struct {
        Integer flags;
        bool shown_before, active_before;
        const char* flags_after;
        bool double_after, active_after;
    } cases[] = {
        {0, true, true, "0000", false, false},
        {1, false, true, "1000", false, false},
        {3, false, true, "1110", false, false},
        {3, true, false, "1111", false, false},  // a flag above the count is left as it was
        {4, false, false, "1111", true, false},
        {4, false, true, "1111", true, true},    // an active double stays active
        {7, false, true, "1111", true, true},    // more than four: all four, as four
        {-2, true, true, "0000", false, false},  // below zero: as none
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        Machine m;
        for (Control& f : m->Pic_Vlag) f.Visible = c.shown_before;
        m->Pic_Dubbel.Visible = c.shown_before;
        m->Green_Double_Active = c.active_before;
        m->Flags_Count = c.flags;
        m->Set_Vlaggen();
        EXPECT_EQ(Shown_Flags(*m.M), c.flags_after);
        EXPECT_EQ(m->Pic_Dubbel.Visible, c.double_after);
        EXPECT_EQ(m->Green_Double_Active, c.active_after);
        EXPECT_EQ(m->Flags_Count, c.flags);  // the count itself is left as read
    }
}

TEST(FlagsClock, StartUpShowsExactlyTheSavedFlags) {
    const struct {
        const char* saved;
        const char* shown;
        bool double_shown;
    } cases[] = {
        {"0", "0000", false}, {"1", "1000", false}, {"2", "1100", false},  {"3", "1110", false},
        {"4", "1111", true},  {"7", "1111", true},  {"-3", "0000", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        Machine m;
        std::ofstream(m.Ini()) << "[Score]\nVlaggen=" << c.saved << "\n";
        m.Load();
        EXPECT_EQ(Shown_Flags(*m.M), c.shown);
        EXPECT_EQ(m->Pic_Dubbel.Visible, c.double_shown);
    }
}

TEST(FlagsClock, ACountAboveFourActsAsFourInEveryRule) {
    const struct {
        Integer flags;
        bool four;
    } cases[] = {{3, false}, {4, true}, {5, true}, {9, true}, {32767, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        Machine m;
        m.Tk.Check_Pictures = false;
        m.Load();
        Hoofdvenster& h = *m.M;
        // The buttons and the green double's sign.
        Game_Under_Way(h);
        h.Balls_Played = 4;
        h.Flags_Count = c.flags;
        h.Pic_Dubbel.Visible = false;
        h.Set_Keys();
        EXPECT_EQ(h.Knop_2.Enabled, c.four);
        EXPECT_EQ(h.Pic_Dubbel.Visible, c.four);
        // The scan shows the sign too; the green double's button switches it on.
        h.Pic_Dubbel.Visible = false;
        h.Knop_S_Click();
        EXPECT_EQ(h.Pic_Dubbel.Visible, c.four);
        h.Knop_2_Click();
        EXPECT_EQ(h.Green_Double_Active, c.four);
        // The feature draw e = 4 never adds a fifth flag to win.
        h.Yellow_Level = 3;
        h.Rng.Queue(Pick(4, h.Invest_Range));
        h.Rng.Queue(0.0);
        In_Game_Invest(h);
        EXPECT_EQ(h.Hit16_Feature, !c.four);
        // The next game takes the flags of a used green double.
        h.Green_Double_Used = true;
        h.Game_Over = true;
        h.Balls_Played = h.Balls_In_Game;
        h.Invest_Points();
        EXPECT_EQ(h.Flags_Count, c.four ? 0 : c.flags);
    }
}

TEST(FlagsClock, ClockShowsHoursAndMinutes) {
    const struct {
        const char* time;
        const char* hhmm;
    } cases[] = {
        {"21:05:07", "2105"},
        {"9:05:07", "0905"},
        {"21:5:07", "2105"},
        {"9:5:07", "0905"},
        {"09:05:07", "0905"},
        {"00:00:00", "0000"},
        {"23:59:59", "2359"},
        {"9:05:07 PM", "0905"},
        {"12:30:00 AM", "1230"},
        {"1:7:3", "0107"},
        // Texts of another form never ask for a picture that does not exist.

        {"7", "0700"},
        {"21.05.07", "0200"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        Machine m;
        m->Init_App_Folder();
        m.Tk.Clock = c.time;
        m->Timer1_Timer();
        EXPECT_EQ(m->Clock_Text, c.hhmm);
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_Uur), c.hhmm);
        EXPECT_EQ(m.Tk.End_Status, -1);
    }
}

TEST(FlagsClock, GreenDoubleBlinksWithTheSeconds) {
    const struct {
        Integer flags;
        bool active, got3;
        const char* time;
        bool shown_before, shown_after;
    } cases[] = {
        {4, false, true, "21:05:07", true, false},   {4, false, true, "21:05:08", false, true},
        {4, false, true, "9:05:07 PM", false, true},  // a last character that is no digit reads as 0
        {6, false, true, "21:05:07", true, false},    // more than four flags count as four
        {4, false, false, "21:05:07", true, true},   {4, false, false, "21:05:08", false, false},
        {4, true, true, "21:05:07", true, true},     {3, false, true, "21:05:08", false, false},
        {3, false, true, "21:05:07", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        Machine m;
        m->Init_App_Folder();
        m->Flags_Count = c.flags;
        m->Green_Double_Active = c.active;
        m->Green_Got3 = c.got3;
        m->Pic_Dubbel.Visible = c.shown_before;
        m.Tk.Clock = c.time;
        m->Timer1_Timer();
        EXPECT_EQ(m->Pic_Dubbel.Visible, c.shown_after);
    }
}

TEST(FlagsClock, DoubleIsSteadyUntilAGreenThreeIsPaid) {
    Machine m;
    m.Load();
    m->Flags_Count = 4;
    m->Set_Vlaggen();
    std::string seen;
    auto tick = [&](const char* time) {
        m.Tk.Clock = time;
        m->Timer1_Timer();
        seen += m->Pic_Dubbel.Visible ? '1' : '0';
    };
    tick("10:00:01");
    tick("10:00:02");
    tick("10:00:03");
    m->Green_Got3 = true;
    tick("10:00:04");
    tick("10:00:05");
    tick("10:00:06");
    m->Green_Double_Active = true;  // switched on: the indicator keeps its last state
    tick("10:00:07");
    EXPECT_EQ(seen, "1111011");
}

TEST(FlagsClock, TheTimeOfDayHasTwoDigitsInEveryField) {
    // Read in UTC: the seconds since the epoch are the time of day.
    const char* zone = std::getenv("TZ");
    const std::string kept = zone ? zone : "";
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
    for (const auto& [when, text] : std::vector<std::pair<std::time_t, std::string>>{
             {0, "00:00:00"}, {3723, "01:02:03"}, {86399, "23:59:59"}, {86400 + 45296, "12:34:56"}})
        EXPECT_EQ(Time_Of_Day_Text(when), text) << when;
    if (zone)
        ::setenv("TZ", kept.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(FlagsClock, MissingDigitPictureStopsTheProgramAtTheTick) {
    Machine m;
    m->Init_App_Folder();
    m->App_Folder = m.Folder.Path() + "/";
    m.Tk.Clock = "21:05:07";
    m->Timer1_Timer();
    EXPECT_TRUE(m->Ended);
    EXPECT_EQ(m.Tk.End_Status, 1);
    EXPECT_FALSE(m->Timer1.Enabled);
}

}  // namespace
}  // namespace plonk::test
