#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <vector>

#include "support/machine.h"
#include "support/observe.h"

namespace plonk::test {
namespace {

// A loaded machine whose log starts empty, recording the credits at every repaint.
struct Counting_Machine : Machine {
    std::vector<Long> Credits_At_Refresh;
    Counting_Machine() {
        Load();
        Tk.Log.clear();
        Tk.Trace = [this](const std::string& entry) {
            if (entry == "refresh") Credits_At_Refresh.push_back(M->Main_Score);
        };
    }
};

TEST(ScoresAccounting, WinIsCountedPointByPoint) {
    const struct {
        Long credits, balance;
        Integer win;
        Long credits_after, balance_after;
        int steps;
    } cases[] = {
        {10, -3, 5, 15, 2, 5},
        {99998, 0, 3, 99999, 3, 3},            // the cap holds after every step
        {150000, 250000, 1, 99999, 99999, 1},  // above the cap: down to it at the next step
        {10, 10, 0, 10, 10, 0},
        {10, 10, -4, 10, 10, 0},
        {0, -500, 400, 400, -100, 400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.win);
        Counting_Machine m;
        m->Main_Score = c.credits;
        m->Saldo_Score = c.balance;
        m->Game_Won = 7;
        Integer win = c.win;
        m->Update_Score(win);
        EXPECT_EQ(win, c.win);
        EXPECT_EQ(m->Main_Score, c.credits_after);
        EXPECT_EQ(m->Saldo_Score, c.balance_after);
        EXPECT_EQ(m->Game_Won, 7 + c.win);
        EXPECT_EQ(m.Tk.Count("refresh"), c.steps);
        if (c.steps > 0) {
            EXPECT_EQ(m.Credits_At_Refresh.front(), std::min<Long>(c.credits + 1, 99999));
            EXPECT_EQ(m.Credits_At_Refresh.back(), c.credits_after);
        }
    }
}

TEST(ScoresAccounting, CountersAreRedrawnAtEveryStep) {
    Counting_Machine m;
    m->Main_Score = 9;
    m->Saldo_Score = -2;
    std::vector<std::string> shown;
    m.Tk.Trace = [&](const std::string& entry) {
        if (entry == "refresh")
            shown.push_back(Shown_Digits(m->Pic_Digit_Main) + Picture_Name(m->Pic_SaldoSign) +
                            Shown_Digits(m->Pic_Digit_Saldo));
    };
    Integer win = 3;
    m->Update_Score(win);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"00010Min.bmp00001", "00011Plus.bmp00000", "00012Plus.bmp00001"}));
}

// The game's total won is 16 bits wide: it stops at its ends instead of wrapping.
TEST(ScoresAccounting, GameWonSaturatesAtSixteenBits) {
    const struct {
        Integer before;
        long payment;
        bool bonus;  // paid through Update_Score_Bonus
        Integer after;
    } cases[] = {
        {32760, 7, false, 32767},    {32760, 8, false, 32767},        {32767, 1, false, 32767},
        {32000, 1000, false, 32767}, {-32760, -10, false, -32768},    {32000, 767, true, 32767},
        {32000, 800, true, 32767},   {-32000, -100000, true, -32768}, {-5, 3, true, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.payment);
        Counting_Machine m;
        m->Game_Won = c.before;
        if (c.bonus) {
            Long amount = static_cast<Long>(c.payment);
            Integer which = 0;
            m->Update_Score_Bonus(amount, which);
        } else {
            Integer amount = To_Integer(c.payment);
            m->Update_Score(amount);
        }
        EXPECT_EQ(m->Game_Won, c.after);
    }
}

TEST(ScoresAccounting, BonusIsPaidUnitsFirstThenTens) {
    const struct {
        Long bonus;
        Long credits;
        int steps;
        Long first_step;
    } cases[] = {
        {1234, 100, 124, 4}, {1000, 100, 100, 10}, {7, 0, 1, 7}, {10, 0, 1, 10}, {0, 50, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bonus);
        Counting_Machine m;
        m->Main_Score = c.credits;
        m->Saldo_Score = c.credits;
        m->Main_Bonus = c.bonus;
        m->Game_Won = 0;
        Integer which = 1;
        // The counter being paid is itself the amount.
        m->Update_Score_Bonus(m->Main_Bonus, which);
        EXPECT_EQ(m->Main_Bonus, 0);
        EXPECT_EQ(m->Main_Score, c.credits + c.bonus);
        EXPECT_EQ(m->Saldo_Score, c.credits + c.bonus);
        EXPECT_EQ(m->Game_Won, c.bonus);
        EXPECT_EQ(m.Tk.Count("refresh"), c.steps);
        if (c.steps > 0) {
            EXPECT_EQ(m.Credits_At_Refresh.front(), c.credits + c.first_step);
        }
        for (size_t i = 1; i < m.Credits_At_Refresh.size(); ++i)
            EXPECT_EQ(m.Credits_At_Refresh[i] - m.Credits_At_Refresh[i - 1], 10) << i;
        EXPECT_EQ(Shown_Digits(m->Pic_Digit_RedBonus), c.steps > 0 ? "0000" : "1000");
    }
}

TEST(ScoresAccounting, BonusCounterPaidFollowsMxBon) {
    const struct {
        Integer which;
        Long main_after, extra_after;
    } cases[] = {
        {1, 0, 560},
        {2, 1234, 0},
        {3, 1234, 560},
        {0, 1234, 560},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.which);
        Counting_Machine m;
        m->Main_Score = 0;
        m->Saldo_Score = 0;
        m->Main_Bonus = 1234;
        m->Extra_Bonus = 560;
        // The amount passed as a copy: the steps are the same as with the counter.
        Long amount = c.which == 2 ? 560 : 1234;
        Integer which = c.which;
        m->Update_Score_Bonus(amount, which);
        EXPECT_EQ(m->Main_Bonus, c.main_after);
        EXPECT_EQ(m->Extra_Bonus, c.extra_after);
        EXPECT_EQ(m->Main_Score, amount);
        EXPECT_EQ(m->Saldo_Score, amount);
        EXPECT_EQ(m.Tk.Count("refresh"), c.which == 2 ? 56 : 124);
        EXPECT_EQ(which, c.which);
    }
}

TEST(ScoresAccounting, BonusCountStopsAtTheCap) {
    Counting_Machine m;
    m->Main_Score = 99990;
    m->Saldo_Score = 120000;
    m->Extra_Bonus = 1234;
    Integer which = 2;
    m->Update_Score_Bonus(m->Extra_Bonus, which);
    EXPECT_EQ(m->Main_Score, 99999);
    EXPECT_EQ(m->Saldo_Score, 99999);
    EXPECT_EQ(m->Extra_Bonus, 0);
    EXPECT_EQ(m.Tk.Count("refresh"), 124);
    EXPECT_EQ(Shown_Digits(m->Pic_Digit_Main), "99999");
}

TEST(ScoresAccounting, EveryStepIsHeard) {
    Counting_Machine m;
    m->Main_Bonus = 1234;
    Integer which = 1;
    m->Update_Score_Bonus(m->Main_Bonus, which);
    EXPECT_EQ(m.Tk.Count("sound 9"), 124);
    m.Tk.Log.clear();
    Integer win = 5;
    m->Update_Score(win);
    EXPECT_EQ(m.Tk.Count("sound 9"), 5);
    EXPECT_EQ(m.Tk.Log.size(), 10u);  // refresh, sound, for every point
}

TEST(ScoresAccounting, LongCountersFromAnEditedFileStopAtTheirLimits) {
    constexpr Long top = std::numeric_limits<Long>::max(), bottom = std::numeric_limits<Long>::min();
    const struct {
        const char* file;
        int inserts, invests;
        Long Hoofdvenster::*counter;
        Long after;
    } cases[] = {
        {"[Score]\nMain=2147483600\n", 1, 0, &Hoofdvenster::Main_Score, top},
        {"[Score]\nStake=2147483600\n", 1, 0, &Hoofdvenster::Stake_Score, top},
        {"[Bonus]\nMain=2147483647\n[Score]\nMain=50\n", 0, 3, &Hoofdvenster::Main_Bonus, top},
        {"[Bonus]\nExtra=2147483647\n[Score]\nMain=50\n", 0, 6, &Hoofdvenster::Extra_Bonus, top},
        {"[Score]\nSaldo=-2147483648\nMain=50\n", 0, 1, &Hoofdvenster::Saldo_Score, bottom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Machine m;
        std::ofstream(m.Ini()) << c.file;
        m.Load();
        for (int i = 0; i < c.inserts; ++i) m->Knop_P_Click();
        for (int i = 0; i < c.invests; ++i) m->Invest_Points();
        EXPECT_EQ(m.M.get()->*c.counter, c.after);
    }
}

}  // namespace
}  // namespace plonk::test
