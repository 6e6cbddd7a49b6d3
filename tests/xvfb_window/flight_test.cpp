// The ball's flight in the real window on an X display: it is painted as it goes
// while the event thread is inside the flight, it lands or returns to its place, and
// a held space bar kicks it.
#include "playfield/flight.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "support/machine.h"
#include "tools/window_driver/flight_watch.h"
#include "window/space_key.h"
#include "xvfb_window/screen_shot.h"

namespace plonk::test {
namespace {

const char* const kSlowIni = "[Speed]\nValue=50\n[Speed_Offset]\nValue=1\n";
const char* const kFastIni = "[Speed]\nValue=99\n[Speed_Offset]\nValue=1\n";

// What the first ball of a fresh game does with the seed fixed just before the shot,
// flown headless: true when it drains.
bool First_Ball_Drains(uint64_t seed) {
    Machine m;
    m.Load();
    m->Knop_P_Click();
    m->Invest_Points();
    m->Rng.Fix_Seed(seed);
    m->Knop_Bal_Click();
    return m->Balls_Played == 0;
}

uint64_t Seed_Where_First_Ball(bool drains) {
    for (uint64_t seed = 1; seed < 500; ++seed)
        if (First_Ball_Drains(seed) == drains) return seed;
    ADD_FAILURE() << "no seed found";
    return 1;
}

struct Shot_Game : Watched_Game {
    explicit Shot_Game(const char* ini) : Watched_Game(ini) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(W.get()));
        New_Game();
        EXPECT_EQ(M().Balls_In_Game, 5);
    }
    void Shoot_With_Seed(uint64_t seed) {
        M().Rng.Fix_Seed(seed);
        Shoot();
    }
};

TEST(WindowFlight, TheBallIsPaintedStepByStepAndLands) {
    Shot_Game g(kSlowIni);
    const uint64_t seed = Seed_Where_First_Ball(false);
    Control& ball = g.M().Image_Bal(0);
    QImage shots[2];
    QRect places[2];
    int taken = 0;
    // Two grabs of the display from inside the flight, a few hundred steps apart, each
    // just after the screen was painted.
    g.W->After_Paint = [&] {
        if (taken == 2 || g.W->Steps < 400 + 600 * taken) return;
        places[taken] = On_Display(*g.W, ball);
        shots[taken] = Grab_Display("flight_step_" + std::to_string(g.W->Steps) + ".png");
        ++taken;
    };
    g.Shoot_With_Seed(seed);

    ASSERT_EQ(taken, 2) << "the flight ended after " << g.W->Steps << " steps";
    ASSERT_FALSE(shots[0].isNull());
    ASSERT_FALSE(shots[1].isNull());
    EXPECT_NE(places[0], places[1]);
    // Where the ball was at the first grab it is gone at the second, and the other way
    // round: the screen followed the ball.
    for (const QRect& place : places)
        EXPECT_NE(shots[0].copy(place), shots[1].copy(place)) << "at " << place.x();
    // It landed: one ball played, its hole taken, the ball picture inside the field.
    EXPECT_EQ(g.M().Balls_Played, 1);
    int taken_holes = 0;
    for (int n = 1; n <= 25; ++n) taken_holes += g.M().Hole_State(n) == 1;
    EXPECT_EQ(taken_holes, 1);
    EXPECT_TRUE(ball.Visible);
    std::printf("flight of %ld steps in %.2f s at speed 50, offset 1\n", g.W->Steps, g.W->Flight_Seconds());
}

TEST(WindowFlight, ADrainedBallReturnsToItsPlace) {
    Shot_Game g(kFastIni);
    const uint64_t seed = Seed_Where_First_Ball(true);
    Control& ball = g.M().Image_Bal(0);
    const QRect start = On_Display(*g.W, ball);
    const QImage before = Grab_Display("before_drain.png");
    g.Shoot_With_Seed(seed);
    g.W->Refresh();
    const QImage after = Grab_Display("after_drain.png");

    EXPECT_GT(g.W->Steps, 100);
    EXPECT_EQ(g.M().Balls_Played, 0);
    EXPECT_EQ(On_Display(*g.W, ball), start);
    ASSERT_FALSE(after.isNull());
    EXPECT_EQ(before.copy(start), after.copy(start));
}

TEST(WindowFlight, AHeldSpaceBarKicksTheBall) {
    const uint64_t seed = Seed_Where_First_Ball(false);
    struct Result {
        long steps, space_seen;
        int hole;
        Long x, y;
    };
    auto fly = [seed](bool hold_space) {
        Shot_Game g(kFastIni);
        if (hold_space) {
            EXPECT_EQ(std::system("xdotool keydown space"), 0);
        }
        g.Shoot_With_Seed(seed);
        if (hold_space) {
            EXPECT_EQ(std::system("xdotool keyup space"), 0);
            // The next flight starts with the bar up as the keyboard reads it.
            for (int tries = 0; tries < 500 && Space_Key_Down(); ++tries) QTest::qWait(10);
            EXPECT_FALSE(Space_Key_Down());
        }
        int hole = 0;
        for (int n = 1; n <= 25; ++n)
            if (g.M().Hole_State(n) == 1) hole = n;
        return Result{g.W->Steps, g.W->Space_Seen, hole, g.M().Ball_X, g.M().Ball_Y};
    };
    const Result plain = fly(false);
    const Result again = fly(false);
    const Result kicked = fly(true);
    std::printf(
        "without space: %ld steps, hole %d; with space held: %ld steps, hole %d, seen down %ld times\n",
        plain.steps, plain.hole, kicked.steps, kicked.hole, kicked.space_seen);

    // The same seed flies the same path while the key is up.
    EXPECT_EQ(plain.space_seen, 0);
    EXPECT_EQ(again.steps, plain.steps);
    EXPECT_EQ(again.hole, plain.hole);
    // Held, the key is read during the flight and the ball takes another path.
    EXPECT_GT(kicked.space_seen, 0);
    EXPECT_TRUE(kicked.steps != plain.steps || kicked.x != plain.x || kicked.y != plain.y);
}

}  // namespace
}  // namespace plonk::test
