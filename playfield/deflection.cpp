// Rebound arithmetic: directions, collisions, velocity components and wall sections.
#include <cmath>
#include <cstdlib>

#include "playfield/board_layout.h"
#include "playfield/flight.h"

namespace plonk {
namespace {

constexpr double Pi = 3.14;

// Radians to degrees, multiplying first.
double Degrees(double r) { return r * 180 / Pi; }

// Sine of an angle in whole degrees.
double Sine(int d) { return std::sin(d * Pi / 180); }

// Length of the motion vector, in hundredths of a pixel per step.
double Speed(int ax, int ay) {
    if (ax == 0) return ay;
    if (ay == 0) return ax;
    return std::sqrt(static_cast<double>(ax) * ax + static_cast<double>(ay) * ay);
}

int Clamp_High(int v) { return v > 200 ? 200 : v; }
int Clamp_Low(int v) { return v < 0 ? 0 : v; }

}  // namespace

Integer Playfield_Part::Calc_Alfa(Integer X_Vector, Integer Y_Vector) const {
    const double ax = std::abs(X_Vector - 100);
    const double ay = std::abs(Y_Vector - 100);
    // `base` degrees less the angle whose tangent is a / b.
    auto less = [](double base, double a, double b) { return base - Degrees(std::atan(a / b)); };
    double r;
    if (X_Vector == 100)  // straight up or down, or at rest (360)
        r = Y_Vector < 100 ? 90 : Y_Vector == 100 ? 360 : 270;
    else if (Y_Vector == 100)  // straight left or right
        r = X_Vector < 100 ? 180 : 0;
    else if (X_Vector < 100)  // up and left, or down and left
        r = Y_Vector < 100 ? less(180, ay, ax) : less(270, ax, ay);
    else  // up and right, or down and right
        r = Y_Vector < 100 ? less(90, ax, ay) : less(360, ay, ax);
    return To_Integer(Round_Even(r));
}

bool Playfield_Part::Botsing(Integer Alfa, Integer ObjHoek) const {
    // 1..3. Shift both angles so that the window around the motion stays in 0..360.
    int A, H;
    if (Alfa >= 90 && Alfa <= 270) {
        A = Alfa;
        H = ObjHoek;
    } else if (Alfa < 90) {
        A = Alfa + 90;
        H = Mod(ObjHoek + 90, 360);
    } else {
        A = Alfa - 90;
        H = Mod(ObjHoek + 270, 360);
    }
    // 4. The surface normal points at least 90 degrees away from the motion.
    return H <= A - 90 || H >= A + 90;
}

Integer Playfield_Part::Calc_Hor(Integer Beta, double Hyp, Integer Proc) const {
    const int m = Mod(Beta, 90);
    const int q = static_cast<int>(Int(Beta / 90.0));
    int v;
    if (m != 0) {
        const double part = q == 0 || q == 2 ? Sine(90 - m) : Sine(m);
        const int d = static_cast<int>(Int(part * Hyp * Proc / 100));
        if (q == 0 || q == 3) {
            v = Clamp_High(d + 100);
            if (v == 100) v = 101;
        } else {
            v = Clamp_Low(100 - d);
            if (v == 100) v = 99;
        }
    } else if (Beta == 0) {
        v = Clamp_High(static_cast<int>(Int(Proc * Hyp / 100)) + 100);
        if (v == 100) v = 101;
    } else if (Beta == 180) {
        v = Clamp_Low(100 - static_cast<int>(Int(Proc * Hyp / 100)));
        if (v == 100) v = 99;
    } else {
        v = 100;  // straight up or down
    }
    return To_Integer(v);
}

Integer Playfield_Part::Calc_Ver(Integer Beta, double Hyp, Integer Proc) const {
    const int m = Mod(Beta, 90);
    const int q = static_cast<int>(Int(Beta / 90.0));
    int v;
    if (m != 0) {
        // An oblique direction may keep no vertical motion at all.
        const double part = q == 0 || q == 2 ? Sine(m) : Sine(90 - m);
        const int d = static_cast<int>(Int(part * Hyp * Proc / 100));
        v = q <= 1 ? Clamp_Low(100 - d) : Clamp_High(d + 100);
    } else if (Beta == 90) {
        v = Clamp_Low(100 - static_cast<int>(Int(Proc * Hyp / 100)));
        if (v == 100) v = 99;
    } else if (Beta == 270) {
        v = Clamp_High(static_cast<int>(Int(Proc * Hyp / 100)) + 100);
        if (v == 100) v = 101;
    } else {
        v = 100;  // straight left or right
    }
    return To_Integer(v);
}

Integer Playfield_Part::SoortRand(Integer Y) const {
    if (Y <= board::Top_Wall_Bottom) return 0;
    if (Y < board::Upper_Slope_Top) return 1;
    if (Y <= board::Upper_Slope_Bottom) return 2;
    if (Y < board::Bottom_Slope_Top) return 3;
    return 4;
}

void Deflect(Playfield_Part& m, Flight& f, Integer N, Integer base, Integer rest_vx) {
    // 1..3. A ball already moving away from the surface passes on.
    const int ax = std::abs(m.Ball_VX - 100);
    const int ay = std::abs(m.Ball_VY - 100);
    const Integer alfa = m.Calc_Alfa(m.Ball_VX, m.Ball_VY);
    if (!m.Botsing(alfa, N)) return;
    // 4. The hit is heard.
    m.Speel(Sound::Ball_Hit);
    // 5. A ball at rest is nudged to one side.
    if (alfa == 360) {
        if (rest_vx != 0) m.Ball_VX = rest_vx;
        return;
    }
    // 6..7. The direction mirrored about the surface normal, at the same speed.
    const double hyp = Speed(ax, ay);
    const Integer beta = To_Integer(Mod(2 * N + 540 - alfa, 360));
    // 8. A surface facing right, up or left ends the kick.
    if (N < 181) f.Kick = 0;
    // 9..10. The new velocity, scaled by the elasticity.
    const Integer proc = To_Integer(base + 6 * f.Kick);
    m.Ball_VX = m.Calc_Hor(beta, hyp, proc);
    m.Ball_VY = m.Calc_Ver(beta, hyp, proc);
}

void Wall_Rebound(Playfield_Part& m, Integer section, int x) {
    // The top sends the ball down.
    if (section == 0) {
        if (m.Ball_VY < 100) m.Speel(Sound::Ball_Hit);
        m.Ball_VY = 105;
        return;
    }
    // The side walls send it away horizontally and keep the sense of its vertical
    // motion; the upper walls keep a fifth of the speed, the lower four fifths.
    const int ax = std::abs(m.Ball_VX - 100);
    const int ay = std::abs(m.Ball_VY - 100);
    auto damp = [section](int a) { return static_cast<int>(section == 1 ? Int(a / 5.0) : Int(a * 4 / 5.0)); };
    if (x < board::Mirror_X) {
        if (m.Ball_VX < 100) m.Speel(Sound::Ball_Hit);
        m.Ball_VX = To_Integer(damp(ax) + 100);
        if (m.Ball_VX == 100) m.Ball_VX = 105;
    } else {
        if (m.Ball_VX > 100) m.Speel(Sound::Ball_Hit);
        m.Ball_VX = To_Integer(100 - damp(ax));
        if (m.Ball_VX == 100) m.Ball_VX = 95;
    }
    if (m.Ball_VY < 100)
        m.Ball_VY = To_Integer(100 - damp(ay));
    else if (m.Ball_VY > 100)
        m.Ball_VY = To_Integer(damp(ay) + 100);
}

}  // namespace plonk
