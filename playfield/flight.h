// The flight of one ball, split into steps that can be run and checked on their own.
// Knop_Bal_Click shoots the ball, runs it with Fly_Shot until it ends, then books it.
#pragma once

#include <array>
#include <cstdint>

#include "playfield/board_layout.h"
#include "playfield/playfield_part.h"

namespace plonk {

// The locals of one flight.
struct Flight {
    Byte Lane_Countdown = 15;      // launch: open steps until the next slow-down
    bool Lane_End_Passed = false;  // launch: the ball has been reversed at the lane end
    Integer Friction_Countdown = 250;
    Integer Gravity_Countdown = 25;
    Integer Kick = 0;                     // rebound boost, 0..12
    Integer Kick_Ticks = 0;               // steps since the kick started
    Integer Latch = 0;                    // contact already handled: 0 none, 1 pin, 4 spring, 5 wall
    long L = 0;                           // iterations of the wait after this step
    Integer H = 0, V = 0;                 // last hole-zone, drain, pin or spring offsets
    double Hole = 0;                      // last hole number
    Integer N = 0;                        // last surface angle
    long Steps = 0;                       // steps run so far
    int Mark_X = -1000, Mark_Y = -1000;   // field: the pixel where the ball last made progress,
    long Mark_Step = 0;                   // and the step when it did
    long Next_Look = 0;                   // field: the step when progress is looked at next
    long Longest_Stall = 0;               // field: the most steps it went without progress
    uint32_t Holes_Asked = 0;             // field: bit n when the ball met hole n's capture
                                          // area and so asked whether the hole is taken
    uint8_t Asks = 0;                     // field: the holes asked about, in the order
    std::array<uint8_t, 25> Ask_Order{};  // they were first asked
};

// How a flight ended. Lost: the ball left the field, met a zone its phase does not
// handle, made no progress or ran past the step limit; it is then returned like a
// drained ball.
enum class Flight_End { Hole, Drain, Lost };

// A flight that has not ended after this many steps is given up.
inline constexpr long Flight_Step_Limit = 1'000'000;

// The zone codes of the map, by name.
using enum board::Zone_Code;

// A ball on the field makes progress when its centre is found more than this many
// pixels away, on either axis, from where it last made progress. It is looked at
// every Progress_Interval steps.
inline constexpr int Progress_Reach = 4;
inline constexpr long Progress_Interval = 32;
// A ball that has made no progress for this many steps is held somewhere it cannot
// leave, and is given up. In surveys of a million shots each, with the space bar
// pressed and released at random and with no hole, hole 7 or every other hole taken,
// no ball that ended went more than 1,344 steps without progress. In the window at
// ball speed 50 a ball held for good is given up after about 0.75 s
// (plonk_window_bench, Flight_Of_A_Trapped_Ball).
inline constexpr long Stall_Step_Limit = 3'000;

// Looks whether the ball at pixel (x, y) has made progress, and when it is to be
// looked at next; false when it has made none for more than Stall_Step_Limit steps.
bool Look_At_Progress(Flight& f, int x, int y);

// The rebound at a pin, spring or slope whose surface angle is `N`, with base
// elasticity `base`; `rest_vx` is what a ball at rest gets as Ball_VX (95 or 105),
// 0 to leave it alone.
void Deflect(Playfield_Part& m, Flight& f, Integer N, Integer base, Integer rest_vx);

// The rebound at a wall pixel of section 0 (top), 1 (upper side walls) or 3 (lower
// side walls), with `x` the ball's pixel column.
void Wall_Rebound(Playfield_Part& m, Integer section, int x);

// A lit star goes out as the ball rolls over it, and lights the fifth ball; an unlit
// star does nothing.
void Star_Rollover(Playfield_Part& m, bool& lit, Control& star);

// Puts the next ball on the launch lane: the shot's two random draws give its
// fraction of a pixel and its hundredth of extra speed.
void Start_Ball(Playfield_Part& m);

// Runs the launch phase and then the field phase from the ball's present position
// and velocity until the ball ends. Each step is shown and waited for through the
// toolkit.
Flight_End Fly(Playfield_Part& m, Flight& f);

// The field phase alone, from wherever the ball is: what Fly runs once the ball has
// left the launch lane.
Flight_End Fly_Field(Playfield_Part& m, Flight& f);

}  // namespace plonk
