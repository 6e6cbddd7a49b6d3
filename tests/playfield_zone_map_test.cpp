// The board's zone map: only known codes, rings on their tables, hole and drain
// zones that lead to their targets, walls that keep the ball in, and no gap a ball
// can slip through.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "playfield/flight.h"
#include "playfield/hole_survey.h"
#include "playfield/zone_map.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

using board::Field_Height;
using board::Field_Width;

const board::Zone_Grid& Map() { return board::Zone_Map(); }

TEST(ZoneMap, HoldsOnlyCodesZeroToSeven) {
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) ASSERT_LE(Map().At(x, y), 7) << x << "," << y;
}

TEST(ZoneMap, PinPixelsLieOnThePinRing) {
    std::set<std::pair<int, int>> ring;
    for (const auto& e : board::Pin_Ring) ring.insert({e.I, e.J});
    int pins = 0;
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) {
            if (Map().At(x, y) != Zone_Pin) continue;
            ++pins;
            const int row = static_cast<int>(Int((y - 28) / 85.0));
            ASSERT_GE(row, 0) << x << "," << y;
            ASSERT_LE(row, 4) << x << "," << y;
            const int i = row == 1   ? (x < 158 ? Mod(x - 32, 40) : Mod(x - 20, 40))
                          : row == 2 ? Mod(x - 32, 38)
                                     : Mod(x - 14, 44);
            EXPECT_TRUE(ring.count({i, Mod(y - 28, 85)})) << "pin pixel " << x << "," << y;
        }
    EXPECT_GT(pins, 26 * 80);  // 26 pins, most of each ring in the open
}

TEST(ZoneMap, SpringPixelsLieOnTheSpringTables) {
    std::set<std::pair<int, int>> left, right;
    for (const auto& e : board::Left_Spring_Ring) left.insert({e.I, e.J});
    for (const auto& e : board::Right_Spring_Ring) right.insert({e.I, e.J});
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) {
            if (Map().At(x, y) != Zone_Spring) continue;
            const int row = y / 85, side = x / 158;
            ASSERT_LE(row, 4) << x << "," << y;
            ASSERT_LE(side, 1) << x << "," << y;
            const auto c = side == 0 ? board::Left_Spring_Corner[row] : board::Right_Spring_Corner[row];
            EXPECT_TRUE((side == 0 ? left : right).count({x - c.X, y - c.Y}))
                << "spring pixel " << x << "," << y;
        }
}

TEST(ZoneMap, LaunchLaneIsOpenAndEndsInSprings) {
    for (int x = 36; x <= 280; ++x) EXPECT_EQ(Map().At(x, 15), Zone_Open) << x;
    EXPECT_EQ(Map().At(35, 15), Zone_Spring);
    EXPECT_EQ(Map().At(281, 15), Zone_Spring);
}

// A 2 x 2 block whose one diagonal is solid and whose other is open lets a ball
// moving one pixel on each axis pass between the two solid pixels.
TEST(ZoneMap, NoBallSlipsDiagonallyThroughARingOrWall) {
    auto solid = [](int x, int y) {
        const Byte c = Map().At(x, y);
        return c == Zone_Pin || c == Zone_Spring || c == Zone_Wall;
    };
    for (int y = 0; y + 1 < Field_Height; ++y)
        for (int x = 0; x + 1 < Field_Width; ++x) {
            const bool a = solid(x, y), b = solid(x + 1, y), c = solid(x, y + 1), d = solid(x + 1, y + 1);
            EXPECT_FALSE(a && d && !b && !c) << "gap at " << x << "," << y;
            EXPECT_FALSE(b && c && !a && !d) << "gap at " << x << "," << y;
        }
}

TEST(ZoneMap, BallStaysOnTheFieldAndOutOfTheObstacles) {
    const std::vector<bool> reach = board::Reachable();
    auto reached = [&](int x, int y) { return static_cast<bool>(reach[x + Field_Width * y]); };
    // The field's edge is wall or run-out wherever a ball can come.
    for (int x = 0; x < Field_Width; ++x)
        for (int y : {0, Field_Height - 1}) {
            if (!reached(x, y)) continue;
            EXPECT_TRUE(Map().At(x, y) == Zone_Wall || Map().At(x, y) == Zone_Drain) << x;
        }
    for (int y = 0; y < Field_Height; ++y)
        for (int x : {0, Field_Width - 1}) {
            if (!reached(x, y)) continue;
            EXPECT_EQ(Map().At(x, y), Zone_Wall) << y;
        }
    // No ball reaches the middle of a pin or a spring.
    for (const auto& row : board::Pin_Rows)
        for (int k = 0; k < row.Count; ++k) EXPECT_FALSE(reached(row.X[k], row.Y)) << "pin " << row.X[k];
    for (const auto& s : board::Left_Springs) EXPECT_FALSE(reached(s.X, s.Y)) << "spring " << s.X;
    for (const auto& s : board::Right_Springs) EXPECT_FALSE(reached(s.X, s.Y)) << "spring " << s.X;
    // Every hole, both stars and the drain can be reached.
    for (const auto& h : board::Hole_Corner) EXPECT_TRUE(reached(h.X + 7, h.Y + 7));
    EXPECT_TRUE(reached(board::Yellow_Star.X, board::Yellow_Star.Y));
    EXPECT_TRUE(reached(board::Red_Star.X, board::Red_Star.Y));
    EXPECT_TRUE(reached(board::Drain_Point.X, board::Drain_Point.Y));
}

// A machine with the board loaded, the ball put down at rest on a pixel.
struct Board_Machine {
    Machine m;
    Board_Machine() { Load_Board(*m.M); }
    Flight_End Drop(int x, int y, Flight& f) {
        m->Ball_X = 100 * x + 50;
        m->Ball_Y = 100 * y + 50;
        m->Ball_VX = 100;
        m->Ball_VY = 100;
        return Fly_Field(*m.M, f);
    }
};

TEST(ZoneMap, EveryHoleZoneLeadsToItsOwnHole) {
    Board_Machine b;
    for (int n = 1; n <= 25; ++n) {
        const auto& c = board::Hole_Corner[n - 1];
        const auto& z = board::Hole_Zones[n - 1];
        const auto& row = board::Hole_Rows[static_cast<size_t>(Int((c.Y + 7 - 60) / 85.0))];
        int zone_pixels = 0;
        for (int y = c.Y + 7 - z.Up; y <= c.Y + 7 + z.Down; ++y)
            for (int x = c.X + 7 - z.Left; x <= c.X + 7 + z.Right; ++x) {
                if (Map().At(x, y) != Zone_Hole) continue;
                ++zone_pixels;
                // Inside the hole row, right of its first hole.
                EXPECT_EQ(Int((y - 60) / 85.0), Int((c.Y + 7 - 60) / 85.0))
                    << "hole " << n << " at " << x << "," << y;
                EXPECT_GE(x, row.First_X) << "hole " << n;
                Flight f;
                ASSERT_EQ(b.Drop(x, y, f), Flight_End::Hole) << "hole " << n << " at " << x << "," << y;
                EXPECT_EQ(f.Hole, n) << "at " << x << "," << y;
            }
        EXPECT_GE(zone_pixels, 25) << "hole " << n;
    }
}

TEST(ZoneMap, EveryDrainPixelLeadsToTheDrainPoint) {
    Board_Machine b;
    int drain = 0;
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) {
            if (Map().At(x, y) != Zone_Drain) continue;
            ++drain;
            Flight f;
            ASSERT_EQ(b.Drop(x, y, f), Flight_End::Drain) << x << "," << y;
            EXPECT_EQ(b.m->Ball_X / 100, 158);
            EXPECT_EQ(b.m->Ball_Y / 100, 465);
        }
    EXPECT_GT(drain, 1000);
}

TEST(ZoneMap, GeneratedFileHoldsThisMap) {
    const std::string file = PLONK_BIN_DIR "/Veld.bmp";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "the asset generator has not written " << file;
    Machine m;
    m->App_Folder = PLONK_BIN_DIR "/";
    for (auto& z : m->Zone_Map.v) z = 15;
    m->Init_Veld();
    EXPECT_EQ(std::filesystem::file_size(file), 118u + 160u * 480u);
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) ASSERT_EQ(m->Zone_Map(x, y), Map().At(x, y)) << x << "," << y;
}

TEST(ZoneMap, AFileCutShortLoadsTheWholePairsItHolds) {
    const std::string whole = Read_File(PLONK_BIN_DIR "/Veld.bmp");
    ASSERT_EQ(whole.size(), 118u + 160u * 480u);
    for (const size_t cut :
         {size_t{118}, size_t{119}, size_t{120}, size_t{118 + 160 * 3 + 7}, whole.size() - 1}) {
        Machine m;
        Write_File(m.Folder.File("Veld.bmp"), whole.substr(0, cut));
        m->App_Folder = m.Folder.Path() + "/";
        for (auto& z : m->Zone_Map.v) z = 15;
        m->Init_Veld();
        const size_t held = (cut - 118) / 2;  // whole pairs of bytes, four pixels each
        for (int y = 0; y < Field_Height; ++y)
            for (int x = 0; x < Field_Width; ++x) {
                const size_t pair =
                    static_cast<size_t>(Field_Height - 1 - y) * 80 + static_cast<size_t>(x / 4);
                ASSERT_EQ(m->Zone_Map(x, y), pair < held ? Map().At(x, y) : 15)
                    << cut << ": " << x << "," << y;
            }
    }
}

TEST(ZoneMap, ManyShotsAllEndAndReachEveryHole) {
    Board_Machine b;
    long reached_all = 0;
    for (uint64_t seed : {11u, 12u}) {
        const Hole_Survey s = Survey_Holes(*b.m.M, 1300, seed);
        EXPECT_EQ(s.Lost, 0) << "seed " << seed;
        EXPECT_EQ(s.Balls(), 1300);
        EXPECT_LT(s.Max_Steps, Flight_Step_Limit / 10);
        for (int n = 1; n <= 25; ++n) {
            EXPECT_GT(s.Holes[n], 0) << "hole " << n << ", seed " << seed;
            reached_all += s.Holes[n] > 0;
        }
    }
    EXPECT_EQ(reached_all, 50);
}

}  // namespace
}  // namespace plonk::test
