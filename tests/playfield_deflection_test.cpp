// The rebound arithmetic: directions, collisions, velocity components, wall
// sections, and the two rebounds built from them.
#include <gtest/gtest.h>

#include "playfield/flight.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

TEST(Deflection, CalcAlfaGivesTheDirectionOfMotion) {
    struct Case {
        int vx, vy, alfa;
    };
    const Case cases[] = {
        {100, 100, 360}, {200, 100, 0},   {100, 0, 90},   {0, 100, 180},   {100, 200, 270},
        {150, 50, 45},   {50, 50, 135},   {50, 150, 225}, {150, 150, 315}, {101, 199, 271},
        {199, 101, 359}, {130, 140, 307}, {0, 0, 135},    {200, 0, 45},    {101, 0, 89},
    };
    Machine m;
    for (const auto& c : cases)
        EXPECT_EQ(m->Calc_Alfa(c.vx, c.vy), c.alfa) << "velocity (" << c.vx << ", " << c.vy << ")";
}

TEST(Deflection, BotsingTellsAHitFromABallMovingAway) {
    struct Case {
        int alfa, surface;
        bool hit;
    };
    const Case cases[] = {
        {270, 90, true},   {90, 90, false},   {0, 90, true},    {360, 92, true},  {360, 88, false},
        {180, 0, true},    {180, 180, false}, {45, 225, true},  {45, 44, false},  {315, 45, true},
        {315, 300, false}, {315, 135, true},  {300, 10, false}, {300, 120, true}, {300, 300, false},
    };
    Machine m;
    for (const auto& c : cases)
        EXPECT_EQ(m->Botsing(c.alfa, c.surface), c.hit) << "Botsing(" << c.alfa << ", " << c.surface << ")";
}

TEST(Deflection, CalcHorAndCalcVerSplitASpeed) {
    struct Case {
        int beta;
        double hyp;
        int proc, hor, ver;
    };
    const Case cases[] = {
        {45, 100, 80, 156, 44},  {135, 100, 80, 44, 44}, {225, 100, 80, 44, 156},   {315, 100, 80, 156, 156},
        {0, 100, 80, 180, 100},  {90, 100, 80, 100, 20}, {180, 100, 80, 20, 100},   {270, 100, 80, 100, 180},
        {10, 1, 65, 101, 100},   {30, 50, 65, 128, 84},  {170, 1, 65, 99, 100},     {0, 0, 80, 101, 100},
        {90, 0, 80, 100, 99},    {180, 0, 80, 99, 100},  {270, 0, 80, 100, 101},    {0, 300, 137, 200, 100},
        {180, 300, 137, 0, 100}, {90, 300, 137, 100, 0}, {270, 300, 137, 100, 200},
    };
    Machine m;
    for (const auto& c : cases) {
        EXPECT_EQ(m->Calc_Hor(c.beta, c.hyp, c.proc), c.hor) << "Calc_Hor(" << c.beta << ", " << c.hyp << ")";
        EXPECT_EQ(m->Calc_Ver(c.beta, c.hyp, c.proc), c.ver) << "Calc_Ver(" << c.beta << ", " << c.hyp << ")";
    }
}

TEST(Deflection, SoortRandNamesTheWallSection) {
    const std::pair<int, int> cases[] = {{0, 0},   {9, 0},   {10, 1},  {189, 1}, {190, 2},
                                         {199, 2}, {200, 3}, {394, 3}, {395, 4}, {479, 4}};
    Machine m;
    for (const auto& [y, section] : cases) EXPECT_EQ(m->SoortRand(y), section) << "row " << y;
}

struct Deflect_Case {
    const char* what;
    int vx, vy, surface, base, rest, kick;
    int want_vx, want_vy, want_kick;
};

TEST(Deflection, DeflectMirrorsAboutTheSurface) {
    const Deflect_Case cases[] = {
        // Straight down onto the left upper slope: off to the right, horizontally.
        {"slope", 100, 200, 45, 65, 105, 0, 165, 100, 0},
        // Moving away from the surface: nothing changes.
        {"leaving", 100, 50, 90, 80, 95, 3, 100, 50, 3},
        // At rest on a surface it falls onto: the stationary rule.
        {"at rest", 100, 100, 92, 80, 95, 0, 95, 100, 0},
        {"at rest, no rule", 100, 100, 135, 65, 0, 0, 100, 100, 0},
        // A surface facing up ends the kick before the elasticity is taken.
        {"kick ends", 100, 200, 90, 80, 95, 12, 100, 20, 0},
        // A surface facing down keeps it: 80 + 6 * 12 percent.
        {"kick stays", 100, 50, 270, 80, 95, 12, 100, 176, 12},
    };
    for (const auto& c : cases) {
        Machine m;
        Flight f;
        f.Kick = To_Integer(c.kick);
        m->Ball_VX = To_Integer(c.vx);
        m->Ball_VY = To_Integer(c.vy);
        Deflect(*m.M, f, To_Integer(c.surface), To_Integer(c.base), To_Integer(c.rest));
        EXPECT_EQ(m->Ball_VX, c.want_vx) << c.what;
        EXPECT_EQ(m->Ball_VY, c.want_vy) << c.what;
        EXPECT_EQ(f.Kick, c.want_kick) << c.what;
    }
}

TEST(Deflection, WallReboundSendsTheBallAwayAndDampsIt) {
    struct Case {
        const char* what;
        int section, x, vx, vy, want_vx, want_vy;
    };
    const Case cases[] = {
        {"top", 0, 100, 130, 40, 130, 105},
        {"top, already falling", 0, 100, 90, 120, 90, 105},
        {"upper left wall keeps a fifth", 1, 8, 50, 150, 110, 110},
        {"upper left wall, slow", 1, 8, 97, 103, 105, 100},
        {"upper right wall", 1, 308, 150, 60, 90, 92},
        {"lower left wall keeps four fifths", 3, 18, 50, 40, 140, 52},
        {"lower right wall", 3, 298, 199, 101, 21, 100},
        {"lower right wall, at rest", 3, 298, 100, 100, 95, 100},
    };
    for (const auto& c : cases) {
        Machine m;
        m->Ball_VX = To_Integer(c.vx);
        m->Ball_VY = To_Integer(c.vy);
        Wall_Rebound(*m.M, To_Integer(c.section), c.x);
        EXPECT_EQ(m->Ball_VX, c.want_vx) << c.what;
        EXPECT_EQ(m->Ball_VY, c.want_vy) << c.what;
    }
}

}  // namespace
}  // namespace plonk::test
