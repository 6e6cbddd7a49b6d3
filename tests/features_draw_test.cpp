// The feature draw bought by investing, driven by forced random numbers.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "features/feature_draw.h"
#include "support/game_setup.h"
#include "support/invest_fixture.h"

namespace plonk::test {
namespace {

// The feature draw, driven by forced random numbers: the set-up before, the values
// drawn, what must have changed, and the sound (0 for none).
struct Draw_Row {
    const char* name;
    std::function<void(Hoofdvenster&)> before;
    std::vector<double> draws;
    std::function<bool(Hoofdvenster&)> after;
    int sound;
};

TEST_F(Invest, FeatureDrawTable) {
    const int N = 15;
    constexpr uint64_t kSeed = 20240517;
    auto e = [&](int k) { return Pick(k, N); };
    auto none = [](Hoofdvenster&) {};
    const std::vector<Draw_Row> rows = {
        {"stars resting",
         [](Hoofdvenster& h) { h.Star_Game_Rest = 1; },
         {e(1)},
         [](Hoofdvenster& h) { return !h.Three_Stars_Feature && !h.Two_Stars_Feature; },
         5},
        {"three stars",
         none,
         {e(1), Pick(4, 40)},
         [](Hoofdvenster& h) {
             return h.Three_Stars_Feature && h.Pic_3Stars.Visible && !h.Two_Stars_Feature;
         },
         8},
        {"no star at 5",
         none,
         {e(1), Pick(5, 40)},
         [](Hoofdvenster& h) { return !h.Three_Stars_Feature; },
         5},
        {"three stars kept",
         [](Hoofdvenster& h) { h.Three_Stars_Feature = true; },
         {e(1), Pick(1, 40)},
         [](Hoofdvenster& h) { return h.Three_Stars_Feature && !h.Two_Stars_Feature; },
         5},
        {"two stars replace three",
         [](Hoofdvenster& h) { h.Three_Stars_Feature = h.Pic_3Stars.Visible = true; },
         {e(1), Pick(27, 40)},
         [](Hoofdvenster& h) {
             return h.Two_Stars_Feature && h.Pic_2Stars.Visible && !h.Three_Stars_Feature &&
                    !h.Pic_3Stars.Visible;
         },
         8},
        {"two stars once",
         [](Hoofdvenster& h) { h.Two_Stars_Feature = true; },
         {e(1), Pick(27, 40)},
         [](Hoofdvenster& h) { return h.Two_Stars_Feature && !h.Three_Stars_Feature; },
         5},
        {"yellow up",
         none,
         {e(2), Pick(29, 100)},
         [](Hoofdvenster& h) { return h.Yellow_Level == 4 && h.Red_Level == 3; },
         8},
        {"red up low",
         none,
         {e(2), Pick(30, 100)},
         [](Hoofdvenster& h) { return h.Red_Level == 4 && h.Yellow_Level == 3; },
         8},
        {"red up high", none, {e(2), Pick(59, 100)}, [](Hoofdvenster& h) { return h.Red_Level == 4; }, 8},
        {"white up",
         none,
         {e(2), Pick(60, 100)},
         [](Hoofdvenster& h) { return h.White_Level == 4 && h.Red_Level == 3; },
         8},
        {"white up high", none, {e(2), Pick(79, 100)}, [](Hoofdvenster& h) { return h.White_Level == 4; }, 8},
        {"green up",
         none,
         {e(2), Pick(80, 100)},
         [](Hoofdvenster& h) { return h.Green_Level == 4 && h.White_Level == 3; },
         8},
        {"green up high",
         none,
         {e(2), Pick(100, 100)},
         [](Hoofdvenster& h) { return h.Green_Level == 4; },
         8},
        {"red to 9 shows its bonus",
         [](Hoofdvenster& h) { h.Red_Level = 8; },
         {e(2), Pick(40, 100)},
         [](Hoofdvenster& h) {
             return h.Red_Level == 9 && h.Pic_RedBonus.Visible && !h.Pic_GreenBonus.Visible;
         },
         8},
        {"green to 9 shows its bonus",
         [](Hoofdvenster& h) { h.Green_Level = 8; },
         {e(2), Pick(90, 100)},
         [](Hoofdvenster& h) {
             return h.Green_Level == 9 && h.Pic_GreenBonus.Visible && !h.Pic_RedBonus.Visible;
         },
         8},
        {"level 9 stays",
         [](Hoofdvenster& h) { h.Yellow_Level = 9; },
         {e(2), Pick(1, 100)},
         [](Hoofdvenster& h) { return h.Yellow_Level == 9; },
         5},
        {"four stars",
         none,
         {e(3), Pick(9, 30)},
         [](Hoofdvenster& h) { return h.Four_Stars_Feature && h.Pic_4Stars.Visible; },
         8},
        {"four stars missed",
         none,
         {e(3), Pick(10, 30)},
         [](Hoofdvenster& h) { return !h.Four_Stars_Feature; },
         5},
        {"four stars not with corners",
         [](Hoofdvenster& h) { h.Corners_Feature = true; },
         {e(3)},
         [](Hoofdvenster& h) { return !h.Four_Stars_Feature; },
         5},
        {"16-hit",
         [](Hoofdvenster& h) { h.Flags_Count = 2; },
         {e(4), Pick(2, 22)},
         [](Hoofdvenster& h) { return h.Hit16_Feature && h.Pic_16Hit.Visible; },
         8},
        {"16-hit missed",
         [](Hoofdvenster& h) { h.Flags_Count = 2; },
         {e(4), Pick(3, 22)},
         [](Hoofdvenster& h) { return !h.Hit16_Feature; },
         5},
        {"16-hit scale",
         [](Hoofdvenster& h) { h.Flags_Count = 3; },
         {e(4), 2.0 / 26 - 1e-9},
         [](Hoofdvenster& h) { return h.Hit16_Feature; },
         8},
        {"16-hit not with four flags",
         [](Hoofdvenster& h) { h.Flags_Count = 4; },
         {e(4)},
         [](Hoofdvenster& h) { return !h.Hit16_Feature; },
         5},
        {"corners",
         none,
         {e(5), Pick(7, 30)},
         [](Hoofdvenster& h) { return h.Corners_Feature && h.Pic_Corners.Visible; },
         8},
        {"corners missed", none, {e(5), Pick(8, 30)}, [](Hoofdvenster& h) { return !h.Corners_Feature; }, 5},
        {"corners not with four stars",
         [](Hoofdvenster& h) { h.Four_Stars_Feature = true; },
         {e(5)},
         [](Hoofdvenster& h) { return !h.Corners_Feature; },
         5},
        {"fifth ball",
         [](Hoofdvenster& h) { h.Line_Level = 7; },
         {e(6), Pick(30, 32)},
         [](Hoofdvenster& h) { return h.Fifth_Ball; },
         8},
        {"fifth ball below line 6",
         [](Hoofdvenster& h) { h.Line_Level = 3; },
         {e(6), Pick(30, 32)},
         [](Hoofdvenster& h) { return h.Fifth_Ball; },
         5},
        {"fifth ball missed silently",
         none,
         {e(6), Pick(29, 32)},
         [](Hoofdvenster& h) { return !h.Fifth_Ball; },
         0},
        {"fifth ball had",
         [](Hoofdvenster& h) { h.Fifth_Ball = true; },
         {e(6)},
         [](Hoofdvenster& h) { return h.Fifth_Ball; },
         5},
        {"line 5 to 7",
         [](Hoofdvenster& h) { h.Line_Level = 5; },
         {e(7), Pick(10, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 7; },
         8},
        {"line 7 to 8",
         [](Hoofdvenster& h) { h.Line_Level = 7; },
         {e(7), Pick(1, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 8; },
         8},
        {"line missed",
         [](Hoofdvenster& h) { h.Line_Level = 7; },
         {e(7), Pick(11, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 7; },
         5},
        {"line with fifth ball",
         [](Hoofdvenster& h) {
             h.Line_Level = 2;
             h.Fifth_Ball = true;
         },
         {e(7), 10.0 / 56 - 1e-9},
         [](Hoofdvenster& h) { return h.Line_Level == 3; },
         8},
        {"line 10 stays",
         [](Hoofdvenster& h) { h.Line_Level = 10; },
         {e(7), Pick(1, 28)},
         [](Hoofdvenster& h) { return h.Line_Level == 10; },
         5},
        {"line from 0 low", none, {e(7), Pick(1, 40)}, [](Hoofdvenster& h) { return h.Line_Level == 7; }, 8},
        {"line from 0 at 23",
         none,
         {e(7), Pick(23, 40)},
         [](Hoofdvenster& h) { return h.Line_Level == 8; },
         8},
        {"line from 0 at 29",
         none,
         {e(7), Pick(29, 40)},
         [](Hoofdvenster& h) { return h.Line_Level == 10; },
         8},
        {"line from 0 at 30",
         none,
         {e(7), Pick(30, 40)},
         [](Hoofdvenster& h) { return h.Line_Level == 1; },
         8},
        {"eight wins nothing",
         none,
         {e(8)},
         [](Hoofdvenster& h) { return h.Line_Level == 0 && h.Yellow_Level == 3 && !h.Fifth_Ball; },
         5},
        {"fifteen wins nothing", none, {e(15)}, [](Hoofdvenster& h) { return h.Line_Level == 0; }, 5},
    };
    for (const Draw_Row& r : rows) {
        Machine fresh;
        fresh.Tk.Check_Pictures = false;
        fresh.Load();
        Hoofdvenster& h = *fresh.M;
        Game_Under_Way(h);
        h.Invest_Range = N;
        h.Star_Game_Rest = 0;
        r.before(h);
        // Past the forced values the generator runs on a fixed seed: a value drawn
        // beyond them shows as the sequence having moved on.
        h.Rng.Fix_Seed(kSeed);
        for (double d : r.draws) h.Rng.Queue(d);
        fresh.Tk.Log.clear();
        h.Invest_Points();
        SCOPED_TRACE(r.name);
        EXPECT_TRUE(r.after(h));
        EXPECT_EQ(h.Rng.Queued(), 0u) << "every forced value is drawn";
        Random untouched;
        untouched.Fix_Seed(kSeed);
        EXPECT_EQ(h.Rng.Rnd(), untouched.Rnd()) << "no value is drawn beyond the forced ones";
        EXPECT_EQ(h.Main_Score, 499);
        for (int s : {5, 8})
            EXPECT_EQ(fresh.Tk.Count("sound " + std::to_string(s)), s == r.sound ? 1 : 0) << s;
    }
}

}  // namespace
}  // namespace plonk::test
