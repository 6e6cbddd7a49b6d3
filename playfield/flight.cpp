// The flight of a ball: the shot, the launch lane, the field, and the booking of
// the hole or the drain it ends in.
#include "playfield/flight.h"

namespace plonk {
namespace {

// Whole pixels of a position in hundredths, rounded down.
int Pixel(Long hundredths) {
    return static_cast<int>(hundredths >= 0 ? hundredths / 100 : -((99 - hundredths) / 100));
}

// The wait of one step: `factor` iterations for every point the speed slider is
// below 100.
long Wait_Length(const Playfield_Part& m, int factor) {
    return static_cast<long>(100 - m.Ball_Speed) * factor;
}

void Move(Playfield_Part& m) {
    m.Ball_X += m.Ball_VX - 100;
    m.Ball_Y += m.Ball_VY - 100;
}

// One unit of a velocity component towards `target` ... at 0.1 pixel per step.
Integer Steer(int offset) {
    return offset < board::Hole_Centre ? 110 : offset == board::Hole_Centre ? 100 : 90;
}

// Friction and gravity on an open or star pixel.
void Friction_And_Gravity(Playfield_Part& m, Flight& f) {
    if (f.Friction_Countdown != 0) {
        --f.Friction_Countdown;
    } else {
        f.Friction_Countdown = 250;
        if (m.Ball_VX < 100) ++m.Ball_VX;
        if (m.Ball_VX > 100) --m.Ball_VX;
    }
    if (f.Gravity_Countdown != 0) {
        --f.Gravity_Countdown;
    } else {
        f.Gravity_Countdown = 25;
        if (m.Ball_VY < 200) ++m.Ball_VY;
    }
}

void Open_Step(Playfield_Part& m, Flight& f) {
    f.Latch = 0;
    Friction_And_Gravity(m, f);
    Move(m);
}

template <class Table>
bool In_Table(int i, int j) {
    return i >= Table::Lower1 && i <= Table::Upper1 && j >= Table::Lower2 && j <= Table::Upper2;
}

// The pin under the ball: its box offsets, its surface angle and the rebound.
// False when the offsets fall outside the pin table.
bool Pin_Contact(Playfield_Part& m, Flight& f, int x, int y) {
    const int row = static_cast<int>(Int((y - board::Pin_Row_Top) / double{board::Pin_Row_Height}));
    const int j = Mod(y - board::Pin_Row_Top, board::Pin_Row_Height);
    // Outside the pin rows the column offset stays.
    if (row >= 0 && row < static_cast<int>(board::Pin_Box_Rows.size())) {
        const board::Pin_Box_Row& b = board::Pin_Box_Rows[row];
        f.H = To_Integer(Mod(x - (x < board::Mirror_X ? b.First : b.Right_First), b.Pitch));
    }
    f.V = To_Integer(j);
    if (!In_Table<decltype(m.Pin_Angle)>(f.H, f.V)) return false;
    Integer n = m.Pin_Angle(f.H, f.V);
    // A ball dropping straight onto a pin's crown is split by its fraction of a pixel.
    if (n == 90 && m.Ball_VX == 100) n = Mod(m.Ball_X, 100) < 50 ? 92 : 88;
    f.N = n;
    const Integer rest = f.H < 12 ? 95 : f.H > 12 ? 105 : (x / board::Mirror_X != 1 ? 95 : 105);
    Deflect(m, f, n, 80, rest);
    return true;
}

// The spring under the ball. False when the offsets fall outside the spring table.
bool Spring_Contact(Playfield_Part& m, Flight& f, int x, int y) {
    const int row = y / board::Spring_Row_Height;
    const int side = x / board::Mirror_X;
    if (row <= 4 && side <= 1) {
        const board::Point c = side == 0 ? board::Left_Spring_Corner[row] : board::Right_Spring_Corner[row];
        f.H = To_Integer(x - c.X);
        f.V = To_Integer(y - c.Y);
    }
    Integer rest = 0;
    if (side <= 1) {
        if (!In_Table<decltype(m.Left_Spring_Angle)>(f.H, f.V)) return false;
        if (side == 0) {
            f.N = m.Left_Spring_Angle(f.H, f.V);
            rest = f.H < 16 ? 95 : 105;
        } else {
            f.N = m.Right_Spring_Angle(f.H, f.V);
            rest = f.H < 25 ? 95 : 105;
        }
    }
    Deflect(m, f, f.N, 65, rest);
    return true;
}

void Wall_Contact(Playfield_Part& m, Flight& f, int x, int y) {
    const Integer section = m.SoortRand(To_Integer(y));
    if (section == 0 || section == 1 || section == 3) {
        Wall_Rebound(m, section, x);
        return;
    }
    const bool left = x < board::Mirror_X;
    const int normal = section == 2 ? board::Upper_Slope_Normal : board::Bottom_Slope_Normal;
    f.N = To_Integer(left ? normal : 180 - normal);
    Deflect(m, f, f.N, 65, left ? 105 : 95);
}

enum class Zone_Result { Go_On, Ended, Fault };

// The capture area of a hole: the ball falls in on the centre pixel, is steered
// towards the centre of a free hole and pushed sideways out of a taken one.
Zone_Result Hole_Zone(Playfield_Part& m, Flight& f, int x, int y) {
    // 1. The hole row, and the vertical offset on the 85-pixel grid.
    const int row = static_cast<int>(Int((y - board::Hole_Row_Top) / double{board::Hole_Row_Height}));
    if (y < board::Hole_Grid_Bottom)
        f.V = To_Integer(Mod(y - board::Hole_Rows[0].Top_Y, board::Hole_Row_Height));
    // 2. The offset across the row and the hole's number.
    if (row >= 0 && row <= 4) {
        const auto& r = board::Hole_Rows[row];
        f.H = To_Integer(Mod(x - r.First_X, r.Pitch));
        f.Hole = Int(static_cast<double>(x - r.First_X) / r.Pitch) + r.First_Number;
        if (row == 4)
            f.V = To_Integer(x >= board::Raised_Hole_Left && x <= board::Raised_Hole_Right
                                 ? y - board::Raised_Hole_Top
                                 : y - r.Top_Y);
    }
    const int n = static_cast<int>(f.Hole);
    if (n < 1 || n > board::Hole_Count) return Zone_Result::Fault;
    // 3. On the centre pixel the ball drops in.
    if (f.H == board::Hole_Centre && f.V == board::Hole_Centre) return Zone_Result::Ended;
    if (!(f.Holes_Asked >> n & 1)) {
        f.Holes_Asked |= uint32_t{1} << n;
        f.Ask_Order[f.Asks++] = static_cast<uint8_t>(n);
    }
    if (m.Hole_State(n) == 0) {
        // 4. A free hole draws the ball to its centre.
        m.Ball_VX = Steer(f.H);
        m.Ball_VY = Steer(f.V);
    } else {
        // 5. A taken hole pushes it out sideways.
        if (f.H != board::Hole_Centre)
            m.Ball_VX = f.H < board::Hole_Centre ? 95 : 105;
        else
            m.Ball_VX = Mod(m.Ball_X, 100) >= 50 ? 105 : 95;
        m.Ball_VY = 100;
    }
    Move(m);
    return Zone_Result::Go_On;
}

// The run-out: the ball is steered to the drain point and returned there.
Zone_Result Drain_Zone(Playfield_Part& m, Flight& f, int x, int y) {
    f.H = To_Integer(x - (board::Drain_Point.X - board::Hole_Centre));
    f.V = To_Integer(y - (board::Drain_Point.Y - board::Hole_Centre));
    if (f.H == board::Hole_Centre && f.V == board::Hole_Centre) return Zone_Result::Ended;
    m.Ball_VX = Steer(f.H);
    m.Ball_VY = Steer(f.V);
    Move(m);
    return Zone_Result::Go_On;
}

// The ball's centre pixel, and whether it is on the field at all.
bool Locate(Playfield_Part& m, Control& ball, int& x, int& y) {
    x = Pixel(m.Ball_X);
    y = Pixel(m.Ball_Y);
    ball.Left = x - board::Ball_Radius;
    ball.Top = y - board::Ball_Radius;
    return x >= 0 && x < board::Field_Width && y >= 0 && y < board::Field_Height;
}

// The launch lane: the ball rolls along y = 15, slowing down on open pixels, turns
// once at each end of the lane, and drops into the field when it has slowed to a
// quarter pixel a step. False when the ball is lost on the way.
bool Launch(Playfield_Part& m, Flight& f, Control& ball) {
    for (;;) {
        // 1..2. Show the ball and look under it.
        int x, y;
        if (++f.Steps > Flight_Step_Limit || !Locate(m, ball, x, y)) return false;
        switch (m.Zone_Map.v[x + board::Field_Width * y]) {
            case Zone_Open:
                // 3. Rolling: every 15 open steps a unit slower; at 0.25 pixel a step the
                // ball leaves the lane at once.
                m.Ball_X += m.Ball_VX - 100;
                f.Lane_End_Passed = false;
                if (--f.Lane_Countdown == 0) {
                    f.Lane_Countdown = 15;
                    if (m.Ball_VX < 100) {
                        if (++m.Ball_VX == 75) return true;
                    } else {
                        if (--m.Ball_VX == 125) return true;
                    }
                }
                f.L = Wait_Length(m, 160);
                break;
            case Zone_Spring:
                // 4. The end of the lane turns the ball back, once.
                if (!f.Lane_End_Passed) {
                    m.Speel(Sound::Ball_Hit);
                    m.Ball_VX = To_Integer(200 - m.Ball_VX);
                }
                m.Ball_X += m.Ball_VX - 100;
                f.Lane_End_Passed = true;
                f.L = Wait_Length(m, 80);
                break;
            default:
                // 5. Anything else would hold the ball for ever.
                return false;
        }
        // 6. The step's wait.
        m.Tk.Pacing.Flight_Step(m.Ball_Speed_Offset, f.L);
    }
}

Flight_End Field(Playfield_Part& m, Flight& f, Control& ball) {
    f.Friction_Countdown = 250;
    f.Gravity_Countdown = 25;
    for (;;) {
        // 1. The kick: a held space bar starts one of 12 units, lost one every 4 steps.
        if (f.Kick != 0) {
            ++f.Kick_Ticks;
            if (f.Kick_Ticks % 4 == 0) --f.Kick;
        } else {
            if (m.Tk.Keyboard.Space_Down()) f.Kick = 12;
            f.Kick_Ticks = 0;
        }
        // 2. Show the ball and look under it. A ball that makes no progress is held
        //    where it cannot leave.
        int x, y;
        if (++f.Steps > Flight_Step_Limit || !Locate(m, ball, x, y)) return Flight_End::Lost;
        if (f.Steps >= f.Next_Look && !Look_At_Progress(f, x, y)) return Flight_End::Lost;
        // 3. React to the zone.
        int factor = 80;
        switch (m.Zone_Map.v[x + board::Field_Width * y]) {
            case Zone_Open:
                Open_Step(m, f);
                factor = 160;
                break;
            case Zone_Spring:
                if (f.Latch != 4) {
                    f.Latch = 4;
                    if (!Spring_Contact(m, f, x, y)) return Flight_End::Lost;
                }
                Move(m);
                break;
            case Zone_Hole:
                switch (Hole_Zone(m, f, x, y)) {
                    case Zone_Result::Ended:
                        return Flight_End::Hole;
                    case Zone_Result::Fault:
                        return Flight_End::Lost;
                    case Zone_Result::Go_On:
                        break;
                }
                break;
            case Zone_Yellow_Star:
                Star_Rollover(m, m.Yellow_Star_Lit, m.Pic_Ster_Geel);
                Open_Step(m, f);
                factor = 160;
                break;
            case Zone_Pin:
                if (f.Latch != 1) {
                    f.Latch = 1;
                    if (!Pin_Contact(m, f, x, y)) return Flight_End::Lost;
                }
                Move(m);
                break;
            case Zone_Wall:
                if (f.Latch != 5) {
                    f.Latch = 5;
                    Wall_Contact(m, f, x, y);
                }
                Move(m);
                break;
            case Zone_Red_Star:
                Star_Rollover(m, m.Red_Star_Lit, m.Pic_Ster_Rood);
                Open_Step(m, f);
                factor = 160;
                break;
            case Zone_Drain:
                if (Drain_Zone(m, f, x, y) == Zone_Result::Ended) return Flight_End::Drain;
                factor = 160;
                break;
            default:
                // A zone the field does not know would hold the ball for ever.
                return Flight_End::Lost;
        }
        // 4. The step's wait.
        f.L = Wait_Length(m, factor);
        m.Tk.Pacing.Flight_Step(m.Ball_Speed_Offset, f.L);
    }
}

}  // namespace

void Star_Rollover(Playfield_Part& m, bool& lit, Control& star) {
    if (!lit) return;
    lit = false;
    m.Speel(Sound::Rollover);
    star.Visible = false;
    m.Pic_4thBall.Visible = false;
    m.Pic_5thBall.Visible = true;
    m.Fifth_Ball = true;
    m.Refresh();
}

void Start_Ball(Playfield_Part& m) {
    // At (275, 15) plus a random part of a pixel, rolling left at the start speed
    // plus a random hundredth.
    m.Ball_X = 100 * board::Ball_Start.X + static_cast<Long>(Int(m.Rng.Rnd() * 101));
    m.Ball_Y = 100 * board::Ball_Start.Y;
    m.Ball_VX = To_Integer(100 - m.Start_Speed + static_cast<int>(Int(m.Rng.Rnd() * 2)));
    m.Ball_VY = 100;
}

Flight_End Fly(Playfield_Part& m, Flight& f) {
    Control& ball = m.Image_Bal(m.Balls_Played);
    if (!Launch(m, f, ball)) return Flight_End::Lost;
    return Field(m, f, ball);
}

Flight_End Fly_Field(Playfield_Part& m, Flight& f) { return Field(m, f, m.Image_Bal(m.Balls_Played)); }

}  // namespace plonk
