// The walls keep every ball on the field: no place where zones meet holds a ball
// (capture areas keep clear of walls, pins and springs), the ground under the bottom
// slopes returns a ball that slips into a slope, and whole surveys with taken holes
// lose no ball.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "playfield/flight.h"
#include "playfield/hole_survey.h"
#include "playfield/zone_map.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

using board::Field_Height;
using board::Field_Width;

const board::Zone_Grid& Map() { return board::Zone_Map(); }

// The code at a pixel, a wall off the field; and whether any pixel next to (x, y) is
// one that `is` looks for.
Byte Code(int x, int y) { return board::Zone_Grid::Inside(x, y) ? Map().At(x, y) : Byte{Zone_Wall}; }
bool Solid(int x, int y) {
    return Code(x, y) == Zone_Wall || Code(x, y) == Zone_Pin || Code(x, y) == Zone_Spring;
}
bool Next_To(int x, int y, const std::function<bool(int, int)>& is) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (is(x + dx, y + dy)) return true;
    return false;
}
// The hole the flight takes a capture pixel for.
double Hole_Of(int x, int y) {
    const auto& r = board::Hole_Rows[std::clamp(static_cast<int>(Int((y - 60) / 85.0)), 0, 4)];
    return Int(static_cast<double>(x - r.First_X) / r.Pitch) + r.First_Number;
}

// Places where zones meet so that a ball comes to no end: a taken hole pushes a slow
// ball sideways without a rebound of its own, and a rebound is armed again only on
// open ground.
TEST(Walls, NoPlaceWhereZonesMeetCanHoldABall) {
    const std::vector<bool> reach = board::Reachable();
    auto hole = [](int x, int y) { return Code(x, y) == Zone_Hole; };
    auto ring = [](int x, int y) { return Code(x, y) == Zone_Pin || Code(x, y) == Zone_Spring; };
    const std::pair<const char*, std::function<bool(int, int)>> rules[] = {
        {"a capture area touches a wall, a pin or a spring",
         [&](int x, int y) { return hole(x, y) && Next_To(x, y, Solid); }},
        {"capture areas of two holes touch (two taken holes push a ball to and fro)",
         [&](int x, int y) {
             return hole(x, y) &&
                    Next_To(x, y, [&](int a, int b) { return hole(a, b) && Hole_Of(a, b) != Hole_Of(x, y); });
         }},
        {"a capture area lies inside a ring",
         [&](int x, int y) { return hole(x, y) && !reach[x + Field_Width * y]; }},
        {"the run-out touches a pin or a spring",
         [&](int x, int y) { return Code(x, y) == Zone_Drain && Next_To(x, y, ring); }},
        // A pocket where a ring meets a wall from above, filled on one half only (a
        // capture area once covered it), rocks a slow ball for ever.
        {"walls, pins and springs differ from their mirror image",
         [](int x, int y) {
             const int m = board::Mirror(x);
             return m >= 0 && (Solid(x, y) || Solid(m, y)) && Code(x, y) != Code(m, y);
         }},
    };
    for (const auto& [what, held] : rules) {
        int places = 0;
        for (int y = 0; y < Field_Height; ++y)
            for (int x = 0; x < Field_Width; ++x)
                if (held(x, y) && ++places <= 3) ADD_FAILURE() << what << " at " << x << "," << y;
        EXPECT_EQ(places, 0) << what;
    }
}

TEST(Walls, GroundUnderTheSlopesIsHiddenFromTheBall) {
    const std::vector<bool> reach = board::Reachable();
    int left = 0, right = 0;
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) {
            if (Map().At(x, y) != Zone_Drain || board::In_Drain_Box(x, y)) continue;
            (x < board::Mirror_X ? left : right)++;
            EXPECT_FALSE(reach[x + Field_Width * y]) << "ground " << x << "," << y << " is on the field";
            if (x < board::Mirror_X) {
                EXPECT_EQ(Map().At(board::Mirror(x), y), Zone_Drain) << x << "," << y;
            }
            // Only wall lies between the ground and the field.
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!board::Zone_Grid::Inside(x + dx, y + dy)) continue;
                    const Byte c = Map().At(x + dx, y + dy);
                    EXPECT_TRUE(c == Zone_Wall || c == Zone_Drain) << "ground " << x << "," << y;
                }
        }
    EXPECT_GT(left, 1000);
    EXPECT_GT(right, 1000);
}

struct Board_Machine {
    Machine m;
    Board_Machine() {
        Load_Board(*m.M);
        m->Option1.Value = 0;
    }
};

// A ball the slope has already turned once (the wall's rebound is spent) moves on
// into the slope: slow rebounds that keep no motion away from the surface, and
// climbs into the corner where the slope meets the side wall.
TEST(Walls, BallDrivenIntoABottomSlopeStaysOnTheField) {
    Board_Machine b;
    // Velocities on the right half, in hundredths of a pixel a step.
    const std::vector<std::pair<int, int>> inward = {{1, 0},    {2, -1}, {3, -2},   {10, -7},
                                                     {62, -43}, {-4, 3}, {-64, 45}, {6, -6}};
    int driven = 0;
    for (int y = board::Bottom_Slope_Top; y < board::Drain_Top; y += 4)
        for (const auto& [vx, vy] : inward)
            for (bool right : {true, false}) {
                // The slope's first wall pixel in this row, from the middle outwards.
                int x = board::Mirror_X;
                while (Map().At(x, y) != Zone_Wall) ++x;
                if (!right) x = board::Mirror(x);
                b.m->Ball_X = 100 * x + 50;
                b.m->Ball_Y = 100 * y + 50;
                b.m->Ball_VX = To_Integer(100 + (right ? vx : -vx));
                b.m->Ball_VY = To_Integer(100 + vy);
                Flight f;
                f.Latch = Zone_Wall;
                ++driven;
                EXPECT_NE(Fly_Field(*b.m.M, f), Flight_End::Lost)
                    << "from " << x << "," << y << " moving " << (right ? vx : -vx) << "," << vy;
            }
    EXPECT_GT(driven, 200);
}

// Taken holes push balls sideways, some of them straight at a wall.
TEST(Walls, SurveysWithTakenHolesLoseNoBall) {
    Board_Machine b;
    const std::vector<std::vector<int>> taken_sets = {
        {6, 9, 18, 25},
        {7, 13, 25},
        {1, 7, 8, 13, 14, 18, 23, 25},
        {19, 20, 21, 22, 23, 24, 25},
    };
    uint64_t seed = 40;
    for (const auto& taken : taken_sets) {
        const Hole_Survey s = Survey_Holes(*b.m.M, 1500, ++seed, taken);
        EXPECT_EQ(s.Lost, 0) << "seed " << seed;
        EXPECT_EQ(s.Balls(), 1500);
        EXPECT_LT(s.Max_Steps, Flight_Step_Limit / 10);
    }
}

}  // namespace
}  // namespace plonk::test
