// The flight of a ball on small handmade maps and on the board: the launch lane,
// the zones of the field, the booking of a hole or the drain, and the guards.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "playfield/flight.h"
#include "playfield/hole_survey.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

// A toolkit that notes the ball at every step's wait.
struct Recorder : Headless_Toolkit {
    struct Step {
        Long X, Y;
        Integer VX, VY, Kick;
        int Rounds;
        long Iterations;
    };
    Hoofdvenster* M = nullptr;
    const Flight* F = nullptr;
    std::vector<Step> Steps;
    void Flight_Step(int rounds, long iterations) override {
        Headless_Toolkit::Flight_Step(rounds, iterations);
        Steps.push_back(
            {M->Ball_X, M->Ball_Y, M->Ball_VX, M->Ball_VY, F ? F->Kick : Integer{0}, rounds, iterations});
    }
};

// A machine on the recorder with its tables built and a map of one zone code.
struct Rig {
    Temp_Folder Folder;
    Recorder Tk;
    std::unique_ptr<Hoofdvenster> M;
    explicit Rig(Byte fill) {
        Tk.Folder = PLONK_BIN_DIR "/";
        M = std::make_unique<Hoofdvenster>(Tk, Folder.File("Plonk.ini"));
        Tk.M = M.get();
        M->Init_App_Folder();
        M->Init_Sound();
        M->Option1.Value = 1;
        M->Init_Hole_XY();
        M->Init_Tap_XY();
        M->Init_Veer_XY();
        Fill(0, 0, 319, 479, fill);
        M->Ball_Speed = 50;
        M->Ball_Speed_Offset = 1;
    }
    void Fill(int x0, int y0, int x1, int y1, Byte code) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) M->Zone_Map(x, y) = code;
    }
    // A game with `balls` balls of which `played` are played.
    void Game(int balls, int played) {
        M->Balls_In_Game = To_Integer(balls);
        M->Balls_Played = To_Integer(played);
        M->Yellow_Level = 1;
    }
    Flight_End Put(double x, double y, int vx, int vy, Flight& f) {
        M->Ball_X = static_cast<Long>(x * 100);
        M->Ball_Y = static_cast<Long>(y * 100);
        M->Ball_VX = To_Integer(vx);
        M->Ball_VY = To_Integer(vy);
        Tk.F = &f;
        return Fly_Field(*M, f);
    }
};

TEST(Flight, LaneSlowsTheBallOneUnitEveryFifteenOpenSteps) {
    for (double r2 : {0.0, 0.99}) {
        Rig rig(Zone_Drain);
        rig.Fill(1, 15, 319, 15, Zone_Open);
        rig.Fill(0, 15, 0, 15, Zone_Spring);
        rig.Game(5, 0);
        rig.M->Start_Speed = 70;
        rig.M->Rng.Queue(0.0);
        rig.M->Rng.Queue(r2);
        rig.M->Knop_Bal_Click();
        const int start = r2 == 0.0 ? 30 : 31;
        // Rolling left until the lane end at x 0 turns it.
        size_t k = 0;
        for (; k < rig.Tk.Steps.size() && rig.Tk.Steps[k].VX < 100; ++k) {
            ASSERT_EQ(rig.Tk.Steps[k].VX, start + static_cast<int>((k + 1) / 15)) << "step " << k;
            ASSERT_EQ(rig.Tk.Steps[k].Y, 1500);
            ASSERT_EQ(rig.Tk.Steps[k].Iterations, 50 * 160);
        }
        EXPECT_GT(k, 500u);
        EXPECT_EQ(rig.Tk.Steps[0].X, 27500 + start - 100);
        // It drained: the ball is back in its place and did not count.
        EXPECT_EQ(rig.M->Balls_Played, 0);
        EXPECT_EQ(rig.M->Image_Bal(0).Left, 295);
        EXPECT_EQ(rig.M->Image_Bal(0).Top, 384);
        EXPECT_FALSE(rig.M->Game_Over);
    }
}

TEST(Flight, LaneEndTurnsTheBallOnceAndItLeavesAtAQuarterPixel) {
    Rig rig(Zone_Drain);
    rig.Fill(40, 15, 319, 15, Zone_Open);
    rig.Fill(30, 15, 39, 15, Zone_Spring);
    rig.Game(5, 0);
    // Deep in the lane end, rolling left at 0.4 pixel a step.
    rig.M->Ball_X = 3250;
    rig.M->Ball_Y = 1500;
    rig.M->Ball_VX = 60;
    rig.M->Ball_VY = 100;
    Flight f;
    EXPECT_EQ(Fly(*rig.M, f), Flight_End::Drain);
    const auto& s = rig.Tk.Steps;
    EXPECT_EQ(s[0].VX, 140);
    EXPECT_EQ(s[0].Iterations, 50 * 80);
    // Across the other lane-end pixels it keeps going right: it never turns again.
    size_t k = 0;
    while (k < s.size() && s[k].VX != 125) {
        ASSERT_GT(s[k].VX, 100) << "step " << k;
        ++k;
    }
    // 15 units of 15 open steps, the last of them without a wait, after 19 steps
    // across the rest of the lane end at 0.4 pixel a step.
    EXPECT_EQ(k, 19u + 15 * 15 - 1);
    EXPECT_EQ(s[k - 1].VX, 126);
    EXPECT_EQ(s[k - 1].Y, 1500);
    EXPECT_EQ(rig.Tk.Count("sound 1"), 1);  // one hit at the lane end
}

TEST(Flight, StepWaitsFollowSpeedAndOffset) {
    struct Case {
        int speed, offset;
        long open;
    };
    for (const Case c : {Case{50, 1, 8000}, Case{0, 3, 16000}, Case{100, 2, 0}, Case{90, 0, 1600}}) {
        Rig rig(Zone_Drain);
        rig.Fill(0, 0, 319, 200, Zone_Open);
        rig.Fill(114, 28, 114, 28, Zone_Pin);  // the crown of a pin in row 0
        rig.M->Ball_Speed = To_Integer(c.speed);
        rig.M->Ball_Speed_Offset = To_Integer(c.offset);
        Flight f;
        rig.Put(114.5, 27.5, 100, 150, f);
        ASSERT_GE(rig.Tk.Steps.size(), 3u);
        EXPECT_EQ(rig.Tk.Steps[0].Iterations, c.open);
        EXPECT_EQ(rig.Tk.Steps[1].Iterations, c.open / 2);  // on the pin
        EXPECT_EQ(rig.Tk.Steps[0].Rounds, c.offset);
    }
}

TEST(Flight, TakenHolePushesTheBallSideways) {
    struct Case {
        double x;
        int vx;
    };
    // Hole 10 has its centre at (136, 160).
    for (const Case c : {Case{133.5, 95}, Case{139.5, 105}, Case{136.49, 95}, Case{136.5, 105}}) {
        Rig rig(Zone_Open);
        rig.Fill(129, 153, 143, 167, Zone_Hole);
        rig.Fill(0, 300, 319, 479, Zone_Drain);
        rig.M->Hole_State(10) = 1;
        Flight f;
        EXPECT_EQ(rig.Put(c.x, 158.5, 100, 130, f), Flight_End::Drain);
        EXPECT_EQ(rig.Tk.Steps[0].VX, c.vx) << "from x " << c.x;
        EXPECT_EQ(rig.Tk.Steps[0].VY, 100);
        EXPECT_EQ(rig.Tk.Steps[0].Y, 15850);
    }
}

TEST(Flight, FreeHoleDrawsTheBallToItsCentre) {
    Rig rig(Zone_Open);
    rig.Fill(129, 153, 143, 167, Zone_Hole);
    Flight f;
    EXPECT_EQ(rig.Put(130.5, 166.5, 150, 150, f), Flight_End::Hole);
    EXPECT_EQ(f.Hole, 10);
    EXPECT_EQ(rig.Tk.Steps[0].VX, 110);
    EXPECT_EQ(rig.Tk.Steps[0].VY, 90);
    EXPECT_EQ(rig.M->Ball_X / 100, 136);
    EXPECT_EQ(rig.M->Ball_Y / 100, 160);
}

TEST(Flight, StarsGoOutAtTheirFirstPixelAndLightTheFifthBall) {
    Rig rig(Zone_Open);
    rig.Fill(55, 100, 65, 110, Zone_Yellow_Star);
    rig.Fill(55, 200, 65, 210, Zone_Red_Star);
    rig.Fill(0, 300, 319, 479, Zone_Drain);
    rig.M->Yellow_Star_Lit = true;
    rig.M->Red_Star_Lit = false;
    rig.M->Pic_Ster_Geel.Visible = true;
    rig.M->Pic_4thBall.Visible = true;
    rig.M->Pic_5thBall.Visible = false;
    Flight f;
    EXPECT_EQ(rig.Put(60.5, 90.5, 100, 150, f), Flight_End::Drain);
    EXPECT_FALSE(rig.M->Yellow_Star_Lit);
    EXPECT_FALSE(rig.M->Pic_Ster_Geel.Visible);
    EXPECT_FALSE(rig.M->Pic_4thBall.Visible);
    EXPECT_TRUE(rig.M->Pic_5thBall.Visible);
    EXPECT_TRUE(rig.M->Fifth_Ball);
    EXPECT_EQ(rig.Tk.Count("refresh"), 1);  // the unlit red star did nothing
    EXPECT_EQ(rig.Tk.Count("sound 8"), 1);
    // A second pass over the star that went out does nothing more.
    Flight again;
    rig.Put(60.5, 90.5, 100, 150, again);
    EXPECT_EQ(rig.Tk.Count("refresh"), 1);
}

TEST(Flight, HeldSpaceBarKicksInRoundsOfFortyEightSteps) {
    Rig rig(Zone_Open);
    rig.Fill(0, 400, 319, 479, Zone_Drain);
    rig.Tk.Space = true;
    Flight f;
    rig.Put(60.5, 20.5, 100, 100, f);
    const auto& s = rig.Tk.Steps;
    ASSERT_GT(s.size(), 100u);
    for (size_t k = 0; k < 48; ++k) EXPECT_EQ(s[k].Kick, 12 - static_cast<int>(k / 4)) << "step " << k;
    EXPECT_EQ(s[48].Kick, 0);
    EXPECT_EQ(s[49].Kick, 12);
}

TEST(Flight, BookingAHoleCountsTheBall) {
    struct Case {
        int hole;
        bool hit16;
        int played, balls;
    };
    for (const Case c :
         {Case{16, true, 0, 5}, Case{21, true, 0, 5}, Case{16, false, 0, 5}, Case{3, false, 4, 5}}) {
        Machine m;
        m.Load();
        // A lane, and the hole's whole share of its row as its zone; open elsewhere.
        const int cx = m->Hole_X(c.hole) + 7, cy = m->Hole_Y(c.hole) + 7;
        const int row = (cy - 60) / 85;
        for (auto& z : m->Zone_Map.v) z = Zone_Open;
        for (int x = 0; x < 36; ++x) m->Zone_Map(x, 15) = Zone_Spring;
        for (int y = cy - 7; y <= 60 + 85 * row + 84; ++y)
            for (int x = cx - 7; x <= cx + 36; ++x) m->Zone_Map(x, y) = Zone_Hole;
        m->Balls_In_Game = To_Integer(c.balls);
        m->Balls_Played = To_Integer(c.played);
        m->Yellow_Level = 1;
        m->Game_Over = false;
        m->Hit16_Feature = c.hit16;
        m->Invest_Open = true;
        m->Flags_Count = 1;
        // Find a start speed that ends in the hole.
        bool found = false;
        for (int start = 38; start <= 100 && !found; ++start) {
            m->Start_Speed = To_Integer(start);
            m->Rng.Queue(0.0);
            m->Rng.Queue(0.0);
            Flight probe;
            Start_Ball(*m.M);
            found = Fly(*m.M, probe) == Flight_End::Hole && probe.Hole == c.hole;
        }
        ASSERT_TRUE(found) << "hole " << c.hole;
        m->Rng.Queue(0.0);
        m->Rng.Queue(0.0);
        m.Tk.Log.clear();
        m->Knop_Bal_Click();
        EXPECT_EQ(m->Balls_Played, c.played + 1) << "hole " << c.hole;
        EXPECT_EQ(m->Hole_State(c.hole), 1);
        EXPECT_FALSE(m->Invest_Open);
        EXPECT_EQ(m->Image_Bal(c.played).Left, cx - 7);  // the ball stays on the hole
        EXPECT_EQ(m->Image_Bal(c.played).Top, cy - 7);
        EXPECT_EQ(m->Flags_Count, c.hit16 && c.hole == 16 ? 2 : 1) << "hole " << c.hole;
        EXPECT_EQ(m->Game_Over, c.played + 1 == c.balls);
        EXPECT_EQ(m->Focus, "Command2");
        // The shot, then the fall, then the refreshes around the scan and the tips.
        ASSERT_FALSE(m.Tk.Log.empty());
        EXPECT_EQ(m.Tk.Log.front(), "sound 10");
        EXPECT_EQ(m.Tk.Count("sound 4"), 1);
        EXPECT_GE(m.Tk.Count("refresh"), 3);
    }
}

TEST(Flight, NoBallLeftOnlyRefreshesTheButtons) {
    // Without a shot the game's state is left as it was, Game_Over too.
    const struct {
        int balls, played, level;
        bool over;
    } cases[] = {{5, 5, 1, false}, {5, 5, 1, true}, {5, 2, 0, false}, {0, 0, 0, false}, {10, 10, 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.balls * 100 + c.played * 10 + c.level);
        Rig rig(Zone_Open);
        rig.Game(c.balls, c.played);
        rig.M->Yellow_Level = To_Integer(c.level);
        rig.M->Game_Over = c.over;
        rig.M->Focus = "Knop_Bal";
        rig.M->Knop_Bal_Click();
        EXPECT_TRUE(rig.Tk.Steps.empty());
        EXPECT_EQ(rig.Tk.Count("sound 10"), 0);
        EXPECT_EQ(rig.M->Balls_Played, c.played);
        EXPECT_EQ(rig.M->Game_Over, c.over);
        EXPECT_EQ(rig.M->Focus, "Command2");
    }
}

TEST(Flight, LostBallsAreReturnedLikeDrainedOnes) {
    struct Case {
        const char* what;
        Byte lane, field;
        int start_vx;
    };
    const Case cases[] = {
        {"a zone the lane does not know", 9, Zone_Open, 30},
        {"a zone the field does not know", Zone_Open, 12, 30},
        {"off the bottom of an empty map", Zone_Open, Zone_Open, 30},
        {"a lane that never slows it to a quarter pixel", Zone_Open, Zone_Open, 100},
    };
    for (const auto& c : cases) {
        Rig rig(c.field);
        rig.Fill(1, 15, 318, 15, c.lane);
        rig.Fill(0, 15, 0, 15, Zone_Spring);
        rig.Fill(319, 15, 319, 15, Zone_Spring);
        rig.Game(5, 2);
        rig.M->Start_Speed = To_Integer(100 - c.start_vx);
        rig.M->Rng.Queue(0.5);
        rig.M->Rng.Queue(0.0);
        rig.M->Knop_Bal_Click();
        EXPECT_EQ(rig.M->Balls_Played, 2) << c.what;
        EXPECT_EQ(rig.M->Image_Bal(2).Left, 295) << c.what;
        EXPECT_EQ(rig.M->Image_Bal(2).Top, 344) << c.what;
        EXPECT_LE(rig.Tk.Flight_Steps, Flight_Step_Limit) << c.what;
        EXPECT_EQ(rig.Tk.Log.back(), "sound 7") << c.what;  // heard as a returned ball
    }
}

TEST(Flight, ABallThatMakesNoProgressIsGivenUpSoon) {
    // A field of capture areas, row 0: hole 1 has its centre at x 26, hole 2 at 70.
    const struct {
        const char* what;
        std::vector<int> taken;
        double x;
        Flight_End end;
        int hole;
    } cases[] = {
        {"pushed to and fro between two taken holes", {1, 2}, 62.5, Flight_End::Lost, 0},
        {"pushed slowly over a taken hole into a free one", {1}, 27.5, Flight_End::Hole, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(Zone_Hole);
        for (int n : c.taken) rig.M->Hole_State(n) = 1;
        Flight f;
        EXPECT_EQ(rig.Put(c.x, 75.5, 100, 100, f), c.end);
        if (c.end == Flight_End::Hole) {
            EXPECT_EQ(f.Hole, c.hole);
        }
        EXPECT_LE(f.Steps, Stall_Step_Limit + Progress_Interval + 1);
    }
}

TEST(Flight, MissingMapNeitherHangsNorCrashes) {
    Machine m;
    m.Tk.Folder = m.Folder.Path() + "/";  // no "Veld.bmp" there
    m->Init_App_Folder();
    m->Init_Veld();
    m->Init_Tap_XY();
    m->Init_Veer_XY();
    m->Balls_In_Game = 5;
    m->Yellow_Level = 1;
    m->Start_Speed = 70;
    m->Knop_Bal_Click();
    EXPECT_EQ(m->Balls_Played, 0);
    EXPECT_EQ(m->Image_Bal(0).Top, 384);
}

TEST(Flight, EveryStepButTheLaneExitAndTheEndIsWaitedFor) {
    Machine m;
    Load_Board(*m.M);
    m->Rng.Fix_Seed(3);
    for (int start : {38, 60, 84, 100}) {
        m->Start_Speed = To_Integer(start);
        const long before = m.Tk.Flight_Steps;
        Start_Ball(*m.M);
        Flight f;
        EXPECT_NE(Fly(*m.M, f), Flight_End::Lost);
        EXPECT_EQ(m.Tk.Flight_Steps - before, f.Steps - 2) << "start speed " << start;
    }
}

}  // namespace
}  // namespace plonk::test
